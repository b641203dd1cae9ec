// State shared by the framework's source files: the process's one module
// state, the lock that guards its class list and library chain, and the
// lists' link operations.
#pragma once

#include <afxdllx.h>

AFX_MODULE_STATE& AfxProcessState();

// Holds the framework's global lock for its lifetime; it may be taken again
// by the same thread.
class CAfxGlobalsLock {
public:
    CAfxGlobalsLock();
    ~CAfxGlobalsLock();
    CAfxGlobalsLock(const CAfxGlobalsLock&) = delete;
    CAfxGlobalsLock& operator=(const CAfxGlobalsLock&) = delete;
};

// Takes `item` out of the singly linked list at `head` (links through
// `next`); false when it is not there.
template <class T> bool AfxUnlink(T*& head, T* item, T* T::*next)
{
    for (T** link = &head; *link; link = &((*link)->*next)) {
        if (*link == item) {
            *link = item->*next;
            return true;
        }
    }
    return false;
}

// The text of string nID in hModule and its length, or null when the module
// is null or lacks the string (or its string table is damaged).
LPCWSTR AfxGetStringResource(HINSTANCE hModule, UINT nID, int* pnLength);
