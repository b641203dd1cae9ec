// Message pumps: one message at a time pre-translated and dispatched,
// idle-time cleanup, and the modal loop of a window.
//
// The thread's temporary objects are held while a message is handled, so a
// modal loop that a handler starts cannot delete them under that handler;
// they go when the outermost loop idles.
#include "WndInternal.h"
#include <afxdiag.h>

namespace {

// Takes one message into msg, pre-translates and dispatches it; false on
// WM_QUIT (and on a failing queue, as if quit with 0).
bool pumpInto(MSG& msg, CWinThread* pThread)
{
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
        if (got < 0)
            msg = MSG{nullptr, WM_QUIT, 0, 0, 0, {0, 0}};
        return false;
    }
    AfxLockTempMaps();
    const BOOL handled = pThread ? pThread->PreTranslateMessage(&msg) : AfxPreTranslateMessage(&msg);
    if (!handled) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    AfxUnlockTempMaps(FALSE);
    return true;
}

bool isIdleMessage(MSG* pMsg)
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->IsIdleMessage(pMsg);
    CAfxWndThreadState* state = AfxWndState();
    return !state || AfxIsIdleMessageAt(pMsg, state->ptCursorLast, state->nMsgLast);
}

} // namespace

void AfxIdleDeleteTemps()
{
    AfxLockTempMaps();
    AfxUnlockTempMaps(TRUE);
}

MSG* AfxGetCurrentMessage()
{
    if (CWinThread* pThread = AfxGetThread())
        return &pThread->_m_msgCur;
    CAfxWndThreadState* state = AfxWndState();
    return state ? &state->msgCur : nullptr;
}

bool AfxIsIdleMessageAt(const MSG* pMsg, POINT& ptCursorLast, UINT& nMsgLast)
{
    if (!pMsg)
        return true;
    const UINT message = pMsg->message;
    if (message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE) {
        // The system repeats a move where the pointer already is.
        if (message == nMsgLast && pMsg->pt.x == ptCursorLast.x && pMsg->pt.y == ptCursorLast.y)
            return false;
        ptCursorLast = pMsg->pt;
        nMsgLast = message;
        return true;
    }
    // WM_PAINT and the caret's blink timer (0x0118) come without new work.
    return message != WM_PAINT && message != 0x0118;
}

BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg)
{
    if (!pMsg)
        return FALSE;
    if (CWinThread* pThread = AfxGetThread())
        return pThread->PreTranslateMessage(pMsg);
    return pMsg->hwnd && CWnd::_WalkPreTranslateTree(nullptr, pMsg);
}

BOOL AFXAPI AfxPumpMessage()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread) {
        if (pThread->PumpMessage())
            return TRUE;
        PostQuitMessage(static_cast<int>(pThread->_m_msgCur.wParam));
        return FALSE;
    }
    MSG local = {};
    MSG* pMsg = AfxGetCurrentMessage();
    MSG& msg = pMsg ? *pMsg : local;
    if (pumpInto(msg, nullptr))
        return TRUE;
    PostQuitMessage(static_cast<int>(msg.wParam));
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    return pumpInto(_m_msgCur, this);
}

// The object must outlive its loop; the loop also ends when the window is
// destroyed, which would otherwise leave it waiting for ever.
int CWnd::RunModalLoop(DWORD dwFlags)
{
    _m_nFlags |= _AFX_WF_MODALLOOP | _AFX_WF_CONTINUEMODAL;
    bool bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    bool bIdle = true;
    MSG peek;
    while (ContinueModal()) {
        while (bIdle && !PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE)) {
            if (bShowIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = false;
            }
            AfxIdleDeleteTemps();
            bIdle = false;
        }
        if (!AfxPumpMessage()) {
            _m_nModalResult = -1;
            break;
        }
        if (isIdleMessage(AfxGetCurrentMessage()))
            bIdle = true;
    }
    _m_nFlags &= ~(_AFX_WF_MODALLOOP | _AFX_WF_CONTINUEMODAL);
    return _m_nModalResult;
}

BOOL CWnd::ContinueModal()
{
    return (_m_nFlags & _AFX_WF_CONTINUEMODAL) && m_hWnd;
}

// Posts a null message so that a loop waiting for one wakes up and ends.
void CWnd::EndModalLoop(int nResult)
{
    _m_nModalResult = nResult;
    if (_m_nFlags & _AFX_WF_CONTINUEMODAL) {
        _m_nFlags &= ~_AFX_WF_CONTINUEMODAL;
        PostMessage(WM_NULL);
    }
}
