// How messages reach window objects: the shared window procedure, and the
// creation hook that attaches an object to its window before the window's
// first message.
#include "WndInternal.h"
#include <afxdiag.h>

namespace {

// Windows that the system makes on its own on the thread while another is
// being created: never the framework's.
bool isSystemHelperWindow(HWND hWnd)
{
    WCHAR name[32] = {};
    GetClassNameW(hWnd, name, 32);
    return lstrcmpiW(name, L"IME") == 0 || lstrcmpiW(name, L"MSCTFIME UI") == 0;
}

bool isOfClass(HWND hWnd, LPCWSTR lpszClass)
{
    if (isSystemHelperWindow(hWnd))
        return false;
    if (!lpszClass)
        return true;
    if (IS_INTRESOURCE(lpszClass))
        return static_cast<ATOM>(GetClassLongW(hWnd, GCW_ATOM)) == LOWORD(lpszClass);
    WCHAR name[257] = {};
    GetClassNameW(hWnd, name, 257);
    return lstrcmpiW(name, lpszClass) == 0;
}

LRESULT CALLBACK cbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam);

// The hook is set only while the innermost creation still waits for its
// window: Wine calls every hook through its server, so a hook left in place
// while a dialog makes its items and its handlers make more windows would
// slow every one of them down.
void setHookNeeded(CAfxWndThreadState* state)
{
    const bool bNeeded = state->pCreation && !state->pCreation->bConsumed;
    if (bNeeded && !state->hCbtHook) {
        state->hCbtHook = SetWindowsHookExW(WH_CBT, cbtFilterHook, nullptr, GetCurrentThreadId());
    } else if (!bNeeded && state->hCbtHook) {
        UnhookWindowsHookEx(state->hCbtHook);
        state->hCbtHook = nullptr;
    }
}

LRESULT CALLBACK cbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    CAfxWndThreadState* state = AfxExistingWndState();
    HHOOK hook = state ? state->hCbtHook : nullptr;
    if (nCode != HCBT_CREATEWND || !state)
        return CallNextHookEx(hook, nCode, wParam, lParam);
    CAfxWndCreation* creation = state->pCreation;
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    if (creation && !creation->bConsumed && isOfClass(hWnd, creation->lpszClass)) {
        // Consumed, and the hook gone, before PreSubclassWindow runs, which
        // may create windows itself. The system ignores the handle passed on.
        creation->bConsumed = true;
        setHookNeeded(state);
        if (creation->pWnd->SubclassWindow(hWnd))
            creation->hWndAttached = hWnd;
    }
    return CallNextHookEx(hook, nCode, wParam, lParam);
}

} // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return DefWindowProcW(hWnd, nMsg, wParam, lParam);
    return _AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT AFXAPI _AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (!pWnd)
        return 0;
    CAfxWndThreadState* state = AfxWndState();
    MSG outer = {};
    if (state) {
        outer = state->lastSentMsg;
        state->lastSentMsg = MSG{hWnd, nMsg, wParam, lParam, 0, {0, 0}};
    }
    LRESULT result = 0;
    // Nothing may unwind into the system's code that called this procedure.
    try {
        result = CWndInternal::WindowProc(pWnd, nMsg, wParam, lParam);
    } catch (CException* e) {
        const MSG msg = {hWnd, nMsg, wParam, lParam, 0, {0, 0}};
        result = AfxProcessWndProcException(e, &msg);
    }
    // A handler of its own that left out the framework's cleanup must not
    // leave the object attached to a dead window.
    if (nMsg == WM_NCDESTROY)
        CWndInternal::FinishIfAttached(hWnd);
    if (state)
        state->lastSentMsg = outer;
    return result;
}

namespace {

// What the framework does with an exception that a handler let through:
// ends it; a window that failed to paint is validated, so that it is not
// asked again at once; a failed creation answers -1.
LRESULT endWndProcException(CException* e, const MSG* pMsg)
{
    LRESULT result = 0;
    if (pMsg && pMsg->message == WM_CREATE)
        result = -1;
    else if (pMsg && pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, nullptr);
    if (e)
        e->Delete();
    return result;
}

} // namespace

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    return endWndProcException(e, pMsg);
}

LRESULT AfxProcessWndProcException(CException* e, const MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    return pThread ? pThread->ProcessWndProcException(e, pMsg) : endWndProcException(e, pMsg);
}

void CWndInternal::FinishNcDestroy(CWnd* pWnd)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread && pThread->m_pMainWnd == pWnd) {
        pThread->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    pWnd->Detach();
    pWnd->PostNcDestroy();
}

void CWndInternal::FinishIfAttached(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return;
    if (!(pWnd->_m_nFlags & _AFX_WF_NCDESTROYED))
        pWnd->DefWindowProc(WM_NCDESTROY, 0, 0);
    FinishNcDestroy(pWnd);
}

CAfxWndCreator::CAfxWndCreator(CWnd* pWnd, LPCWSTR lpszClass)
    : m_creation{pWnd, lpszClass, false, nullptr, nullptr}, m_bHooked(false)
{
    CAfxWndThreadState* state = AfxWndState();
    if (!state)
        return;
    m_creation.pOuter = state->pCreation;
    state->pCreation = &m_creation;
    setHookNeeded(state);
    if (!state->hCbtHook) {
        state->pCreation = m_creation.pOuter;
        return;
    }
    m_bHooked = true;
}

CAfxWndCreator::~CAfxWndCreator()
{
    Unhook();
}

void CAfxWndCreator::Unhook()
{
    if (!m_bHooked)
        return;
    m_bHooked = false;
    CAfxWndThreadState* state = AfxExistingWndState();
    if (!state)
        return;
    state->pCreation = m_creation.pOuter;
    setHookNeeded(state);
}

// The object is touched only while it is known to be alive: while it is
// still attached to a window, or when it never was.
BOOL CAfxWndCreator::Finish(HWND hWnd)
{
    Unhook();
    CWnd* pWnd = m_creation.pWnd;
    HWND hWndAttached = m_creation.hWndAttached;
    if (hWnd && hWnd == hWndAttached)
        return TRUE;
    // A window made without the object is not one of the framework's.
    if (hWnd)
        DestroyWindow(hWnd);
    if (!hWndAttached)
        CWndInternal::PostNcDestroy(pWnd);
    else if (CWnd::FromHandlePermanent(hWndAttached) == pWnd)
        CWndInternal::FinishNcDestroy(pWnd);
    // Otherwise the window's WM_NCDESTROY finished the object already.
    return FALSE;
}
