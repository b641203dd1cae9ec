// A window object's tie to its window: finding objects from handles,
// attaching and subclassing, creation and destruction.
#include "WndInternal.h"
#include "../SafeHandle.h"
#include <afxdiag.h>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd() : CWnd(nullptr)
{
}

CWnd::CWnd(HWND hWnd)
    : m_hWnd(hWnd), _m_nFlags(0), _m_pfnSuper(nullptr), _m_nModalResult(-1)
{
}

CWnd::~CWnd()
{
    if (!m_hWnd)
        return;
    CAfxWndThreadState* state = AfxExistingWndState();
    if (!state)
        return;
    if (state->windows.permanent(m_hWnd) != this) {
        // Deleted by someone other than the map that owns it.
        state->windows.forgetTemporary(this);
        return;
    }
    if (IsWindow(m_hWnd) && GetWindowThreadProcessId(m_hWnd, nullptr) == GetCurrentThreadId())
        CWnd::DestroyWindow();
    if (m_hWnd)
        Detach();
}

HWND CWnd::GetSafeHwnd() const
{
    return AfxSafeHandle(this, &CWnd::m_hWnd);
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    CAfxWndThreadState* state = AfxExistingWndState();
    return hWnd && state ? state->windows.permanent(hWnd) : nullptr;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd || !IsWindow(hWnd))
        return nullptr;
    CAfxWndThreadState* state = AfxWndState();
    if (!state)
        return nullptr;
    return state->windows.lookup(hWnd, [](HWND hTemp) {
        CWnd* pWnd = new CWnd;
        if (pWnd)
            pWnd->m_hWnd = hTemp;
        return pWnd;
    });
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (m_hWnd || !hWndNew || !IsWindow(hWndNew))
        return FALSE;
    CAfxWndThreadState* state = AfxWndState();
    if (!state || !state->windows.attach(hWndNew, this))
        return FALSE;
    m_hWnd = hWndNew;
    return TRUE;
}

// A window that the object subclassed gets its own procedure back: without
// the object, the framework's procedure could no longer serve it.
HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (!hWnd)
        return nullptr;
    if (CAfxWndThreadState* state = AfxExistingWndState())
        state->windows.removePermanent(hWnd, this);
    if (_m_pfnSuper && reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hWnd, GWLP_WNDPROC)) == AfxWndProc)
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(_m_pfnSuper));
    _m_pfnSuper = nullptr;
    m_hWnd = nullptr;
    _m_nFlags &= ~_AFX_WF_NCDESTROYED;
    return hWnd;
}

// Only a window of this thread: its messages are looked up in this
// thread's map.
BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!hWnd || GetWindowThreadProcessId(hWnd, nullptr) != GetCurrentThreadId())
        return FALSE;
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    if (!previous) {
        Detach();
        return FALSE;
    }
    if (previous != AfxWndProc)
        _m_pfnSuper = previous;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (!pParent || !pParent->m_hWnd)
        return FALSE;
    return SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)));
}

HWND CWnd::UnsubclassWindow()
{
    return Detach();
}

void CWnd::PreSubclassWindow()
{
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW));
    return cs.lpszClass != nullptr;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

// After CreateWindowEx the object is left alone unless creation succeeded:
// a failed window's last message may have deleted it.
BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    CREATESTRUCTW cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    CAfxWndCreator creator(this, cs.lpszClass);
    if (!creator.Hooked()) {
        PostNcDestroy();
        return FALSE;
    }
    HWND hWnd = CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                                cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    return creator.Finish(hWnd);
}

// A window that the object subclassed finishes with the object at its
// WM_NCDESTROY; one that was only attached is let go here. A temporary
// object leaves the map at once and is deleted at idle time.
BOOL CWnd::DestroyWindow()
{
    HWND hWnd = m_hWnd;
    if (!hWnd)
        return FALSE;
    CAfxWndThreadState* state = AfxExistingWndState();
    const bool permanent = state && state->windows.permanent(hWnd) == this;
    const bool temporary = !permanent && state && state->windows.temporary(hWnd) == this;
    const BOOL result = ::DestroyWindow(hWnd);
    if (!result)
        return FALSE;
    if (permanent) {
        if (FromHandlePermanent(hWnd) == this)
            Detach();
        return TRUE;
    }
    if (temporary)
        state->windows.retireTemporary(hWnd);
    m_hWnd = nullptr;
    return TRUE;
}

void CWnd::PostNcDestroy()
{
}
