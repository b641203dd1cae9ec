// What the window side keeps per thread: the maps from window and
// image-list handles to their objects, the window being created, the
// message being handled.
#pragma once

#include "../HandleMap.h"

#include <afxcmn.h>

// A window being created by the framework on this thread: the creation
// hook attaches the object to the first window of the expected class.
struct CAfxWndCreation {
    CWnd* pWnd;
    LPCWSTR lpszClass;        // null: any window (a dialog)
    bool bConsumed;           // the hook has picked its window
    HWND hWndAttached;        // the window the object was attached to, if any
    CAfxWndCreation* pOuter;  // a creation that was under way when this one began
};

inline void AfxDisownWindow(CWnd* pWnd)
{
    pWnd->m_hWnd = nullptr;
}

inline void AfxDisownImageList(CImageList* pImageList)
{
    pImageList->m_hImageList = nullptr;
}

struct CAfxWndThreadState {
    CAfxHandleMap<HWND, CWnd, AfxDisownWindow> windows;
    CAfxHandleMap<HIMAGELIST, CImageList, AfxDisownImageList> imageLists;

    CAfxWndCreation* pCreation = nullptr;
    HHOOK hCbtHook = nullptr;   // set while pCreation waits for its window

    MSG lastSentMsg = {};   // the message the thread's framework windows are handling
    MSG msgCur = {};        // the message pumped last, on a thread without a thread object
    POINT ptCursorLast = {};
    UINT nMsgLast = 0;
};

// The calling thread's state, made on first use; null without memory.
CAfxWndThreadState* AfxWndState();
// The calling thread's state if it has one.
CAfxWndThreadState* AfxExistingWndState();
