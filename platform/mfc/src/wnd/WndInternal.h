// Shared by the window side's source files: the steps of a window's life
// that the framework runs on an object, window creation with the creation
// hook, and small helpers.
#pragma once

#include "WndState.h"

// Reaches the protected steps of CWnd for the framework's own procedures.
class CWndInternal {
public:
    static LRESULT WindowProc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        return pWnd->WindowProc(message, wParam, lParam);
    }
    static LRESULT DefWindowProc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        return pWnd->DefWindowProc(message, wParam, lParam);
    }
    static void PostNcDestroy(CWnd* pWnd) { pWnd->PostNcDestroy(); }
    static BOOL OnChildNotify(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
    {
        return pWnd->OnChildNotify(message, wParam, lParam, pResult);
    }

    // The object's window has had its last message: the application forgets
    // it as main window, the object lets go of the window, and PostNcDestroy
    // runs (after which the object may be gone).
    static void FinishNcDestroy(CWnd* pWnd);
    // The same for whichever object is still attached to hWnd after its
    // WM_NCDESTROY, whose own procedure sees that message first if it has not.
    static void FinishIfAttached(HWND hWnd);
};

// Creates a window for an object: the creation hook attaches the object to
// the window before its first message. Construct, create the window, and
// hand its handle to Finish.
class CAfxWndCreator {
public:
    // lpszClass: the class expected (name or atom); null for any (a dialog).
    CAfxWndCreator(CWnd* pWnd, LPCWSTR lpszClass);
    ~CAfxWndCreator();
    CAfxWndCreator(const CAfxWndCreator&) = delete;
    CAfxWndCreator& operator=(const CAfxWndCreator&) = delete;

    // False when the hook could not be set; nothing is created then.
    bool Hooked() const { return m_bHooked; }

    // TRUE when hWnd was created with the object attached. On failure the
    // object has had its PostNcDestroy (and may be gone), and no window of
    // it is left.
    BOOL Finish(HWND hWnd);

private:
    void Unhook();

    CAfxWndCreation m_creation;
    bool m_bHooked;
};

// The window's whole text into rString; throws CMemoryException, with the
// string left as it was, when there is no room for it.
void AfxGetWindowText(HWND hWnd, CString& rString);

// The top-level window that a dialog with this parent should be owned by:
// the parent's, else the main window's, else the thread's active window.
HWND AfxGetSafeOwnerHwnd(HWND hParent);

// Registers the common-control classes of the ICC_* flags, once each.
void AfxInitCommonControls(DWORD dwClasses);

// Hands an exception that a message's handler let through to the thread's
// ProcessWndProcException (or does what it does, without a thread object).
LRESULT AfxProcessWndProcException(CException* e, const MSG* pMsg);

// Deletes the thread's temporary objects unless a caller holds them.
void AfxIdleDeleteTemps();
// The message a pump on this thread took last.
MSG* AfxGetCurrentMessage();
// False for messages that come often without anything to idle after.
bool AfxIsIdleMessageAt(const MSG* pMsg, POINT& ptCursorLast, UINT& nMsgLast);
