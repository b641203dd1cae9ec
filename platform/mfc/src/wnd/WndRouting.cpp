// How a window object handles a message: its message map, commands and
// notifications, reflection of a control's notifications back to the
// control, and what is left to the window's own procedure.
#include "WndInternal.h"

namespace {

bool isCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// The key under which a message is found in a message map: every
// _AFX_WM_CTLCOLOR* message, reflected or not, under _AFX_WM_CTLCOLOR.
UINT mapKeyOf(UINT message)
{
    if (isCtlColor(message))
        return _AFX_WM_CTLCOLOR;
    if (message >= _AFX_WM_REFLECT_BASE && isCtlColor(message - _AFX_WM_REFLECT_BASE))
        return _AFX_WM_REFLECT_BASE + _AFX_WM_CTLCOLOR;
    return message;
}

// The device context of a message, as the temporary object of the GDI
// maps or, without memory for one, as an object on the stack.
class DCArgument {
public:
    explicit DCArgument(HDC hDC) : m_pDC(CDC::FromHandle(hDC))
    {
        if (!m_pDC) {
            m_local.m_hDC = m_local.m_hAttribDC = hDC;
            m_pDC = &m_local;
        }
    }
    ~DCArgument() { m_local.m_hDC = m_local.m_hAttribDC = nullptr; }
    DCArgument(const DCArgument&) = delete;
    DCArgument& operator=(const DCArgument&) = delete;

    CDC* get() const { return m_pDC; }

private:
    CDC m_local;
    CDC* m_pDC;
};

// The same for a window that no object owns.
class WndArgument {
public:
    explicit WndArgument(HWND hWnd) : m_pWnd(CWnd::FromHandle(hWnd))
    {
        if (!m_pWnd && hWnd) {
            m_local.m_hWnd = hWnd;
            m_pWnd = &m_local;
        }
    }
    ~WndArgument() { m_local.m_hWnd = nullptr; }
    WndArgument(const WndArgument&) = delete;
    WndArgument& operator=(const WndArgument&) = delete;

    CWnd* get() const { return m_pWnd; }

private:
    CWnd m_local;
    CWnd* m_pWnd;
};

template <class Handler> Handler handlerOf(const _AFX_MSGMAP_ENTRY* pEntry)
{
    return reinterpret_cast<Handler>(static_cast<_AFX_PMSGW>(pEntry->pfn));
}

// Unpacks the message's parameters for the entry's handler and calls it.
// FALSE when the handler declined (a reflected colour handler without a
// brush) or the entry cannot take the message.
BOOL dispatch(CWnd* pWnd, const _AFX_MSGMAP_ENTRY* pEntry, UINT message, WPARAM wParam, LPARAM lParam,
              LRESULT* pResult)
{
    LRESULT result = 0;
    switch (pEntry->nSig) {
    case _AfxSig_vv:
        (pWnd->*handlerOf<_AFX_PMSGW>(pEntry))();
        break;
    case _AfxSig_is:
        result = (pWnd->*handlerOf<int (CWnd::*)(LPCREATESTRUCT)>(pEntry))(reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case _AfxSig_bD: {
        DCArgument dc(reinterpret_cast<HDC>(wParam));
        result = (pWnd->*handlerOf<BOOL (CWnd::*)(CDC*)>(pEntry))(dc.get());
        break;
    }
    case _AfxSig_hDWw: {
        if (!isCtlColor(message))
            return FALSE;
        DCArgument dc(reinterpret_cast<HDC>(wParam));
        WndArgument control(reinterpret_cast<HWND>(lParam));
        HBRUSH brush = (pWnd->*handlerOf<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(pEntry))(
            dc.get(), control.get(), message - WM_CTLCOLORMSGBOX);
        result = reinterpret_cast<LRESULT>(brush);
        break;
    }
    case _AfxSig_hDw: {
        if (message < _AFX_WM_REFLECT_BASE || !isCtlColor(message - _AFX_WM_REFLECT_BASE))
            return FALSE;
        DCArgument dc(reinterpret_cast<HDC>(wParam));
        HBRUSH brush = (pWnd->*handlerOf<HBRUSH (CWnd::*)(CDC*, UINT)>(pEntry))(
            dc.get(), message - _AFX_WM_REFLECT_BASE - WM_CTLCOLORMSGBOX);
        if (!brush)
            return FALSE;
        result = reinterpret_cast<LRESULT>(brush);
        break;
    }
    case _AfxSig_vwp:
        (pWnd->*handlerOf<void (CWnd::*)(UINT, CPoint)>(pEntry))(static_cast<UINT>(wParam), CPoint(lParam));
        break;
    case _AfxSig_vW:
        (pWnd->*handlerOf<void (CWnd::*)(CWnd*)>(pEntry))(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
        break;
    case _AfxSig_vwww:
        (pWnd->*handlerOf<void (CWnd::*)(UINT, UINT, UINT)>(pEntry))(static_cast<UINT>(wParam), LOWORD(lParam),
                                                                     HIWORD(lParam));
        break;
    case _AfxSig_vwii:
        (pWnd->*handlerOf<void (CWnd::*)(UINT, int, int)>(pEntry))(static_cast<UINT>(wParam), LOWORD(lParam),
                                                                   HIWORD(lParam));
        break;
    case _AfxSig_vw:
        (pWnd->*handlerOf<void (CWnd::*)(UINT_PTR)>(pEntry))(static_cast<UINT_PTR>(wParam));
        break;
    case _AfxSig_lwl:
        result = (pWnd->*handlerOf<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pEntry))(wParam, lParam);
        break;
    case _AfxSig_vOWNER:
        (pWnd->*handlerOf<void (CWnd::*)(int, LPDRAWITEMSTRUCT)>(pEntry))(static_cast<int>(wParam),
                                                                        reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        result = TRUE;
        break;
    case _AfxSig_vWl:
        (pWnd->*handlerOf<void (CWnd::*)(CWnd*)>(pEntry))(CWnd::FromHandle(reinterpret_cast<HWND>(lParam)));
        break;
    default:
        return FALSE;
    }
    *pResult = result;
    return TRUE;
}

// The object of child window hWndChild gets to handle its own
// notification; TRUE when it did.
BOOL reflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = CWnd::FromHandlePermanent(hWndChild);
    return pChild && CWndInternal::OnChildNotify(pChild, message, wParam, lParam, pResult);
}

// A notification through the target's command map under nMessage; the
// handler's result goes to pResult when there is one.
BOOL notifyThroughMap(CCmdTarget* pTarget, UINT nID, UINT nMessage, NMHDR* pNMHDR, LRESULT* pResult)
{
    LRESULT ignored = 0;
    _AFX_NOTIFY notify = {pResult ? pResult : &ignored, pNMHDR};
    return pTarget->OnCmdMsg(nID, MAKELONG(pNMHDR->code, nMessage), &notify, nullptr);
}

} // namespace

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
    ON_WM_CTLCOLOR()
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = 0;
    BOOL handled = FALSE;
    if (message == WM_COMMAND) {
        handled = OnCommand(wParam, lParam);
    } else if (message == WM_NOTIFY) {
        handled = lParam && OnNotify(wParam, lParam, &result);
    } else if (const _AFX_MSGMAP_ENTRY* pEntry = _AfxFindMessageEntry(_GetMessageMap(), mapKeyOf(message), 0, 0)) {
        handled = dispatch(this, pEntry, message, wParam, lParam, &result);
    }
    if (handled && pResult)
        *pResult = result;
    return handled;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY)
        _m_nFlags |= _AFX_WF_NCDESTROYED;
    if (_m_pfnSuper)
        return CallWindowProcW(_m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    CAfxWndThreadState* state = AfxExistingWndState();
    if (!state)
        return 0;
    const MSG& msg = state->lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

// Menu items and accelerators arrive as plain commands; a control's
// notification is the control's to handle first.
BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl) {
        if (reflectToChild(hWndCtrl, WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
    } else {
        nCode = CN_COMMAND;
    }
    return OnCmdMsg(LOWORD(wParam), nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (!pNMHDR)
        return FALSE;
    if (pNMHDR->hwndFrom && reflectToChild(pNMHDR->hwndFrom, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    return notifyThroughMap(this, static_cast<UINT>(pNMHDR->idFrom), WM_NOTIFY, pNMHDR, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

// Commands and notifications go through the command map under their
// reflected message; any other message through the message map.
BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        if (!OnCmdMsg(0, MAKELONG(HIWORD(wParam), _AFX_WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr))
            return FALSE;
        if (pResult)
            *pResult = 0;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (!pNMHDR)
            return FALSE;
        return notifyThroughMap(this, 0, _AFX_WM_REFLECT_BASE + WM_NOTIFY, pNMHDR, pResult);
    }
    if (message >= _AFX_WM_REFLECT_BASE)
        return FALSE;
    return OnWndMsg(_AFX_WM_REFLECT_BASE + message, wParam, lParam, pResult);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    return pChild && pChild->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    CAfxWndThreadState* state = AfxExistingWndState();
    if (!state)
        return FALSE;
    const MSG& msg = state->lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

HBRUSH CWnd::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const UINT message = WM_CTLCOLORMSGBOX + nCtlColor;
    const WPARAM wParam = reinterpret_cast<WPARAM>(pDC ? pDC->m_hDC : nullptr);
    const LPARAM lParam = reinterpret_cast<LPARAM>(pWnd ? pWnd->m_hWnd : nullptr);
    LRESULT result = 0;
    if (pWnd && reflectToChild(pWnd->m_hWnd, message, wParam, lParam, &result))
        return reinterpret_cast<HBRUSH>(result);
    return reinterpret_cast<HBRUSH>(DefWindowProc(message, wParam, lParam));
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct && lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnNcDestroy()
{
    DefWindowProc(WM_NCDESTROY, 0, 0);
    CWndInternal::FinishNcDestroy(this);
}

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}

// The remaining handlers only pass the message on.
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL PASCAL CWnd::_WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    if (!pMsg)
        return FALSE;
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::_PreTranslateInput(LPMSG lpMsg)
{
    if (!lpMsg)
        return FALSE;
    const UINT message = lpMsg->message;
    const bool keyboard = message >= WM_KEYFIRST && message <= WM_KEYLAST;
    const bool mouse = message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
    return (keyboard || mouse) && IsDialogMessage(lpMsg);
}

BOOL CWnd::IsDialogMessage(LPMSG lpMsg)
{
    return m_hWnd && lpMsg && ::IsDialogMessageW(m_hWnd, lpMsg);
}
