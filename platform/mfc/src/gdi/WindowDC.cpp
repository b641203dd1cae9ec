// Device contexts of a window: for painting, for its client area, for the
// whole window. A null window stands for the whole screen where the system
// allows it (client and window contexts). A wrapper that gets no context
// throws CResourceException.
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

namespace {

HWND windowOf(CWnd* pWnd)
{
    return pWnd ? pWnd->m_hWnd : nullptr;
}

// The context is listed so that FromHandle finds its wrapper. Should a
// stale wrapper still claim the handle, the context is used all the same:
// it is released by this wrapper, never deleted by the other.
void adopt(CDC& dc, HDC hDC)
{
    if (!hDC)
        AfxThrowResourceException();
    if (!dc.Attach(hDC))
        dc.m_hDC = dc.m_hAttribDC = hDC;
}

} // namespace

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(windowOf(pWnd))
{
    adopt(*this, m_hWnd ? ::BeginPaint(m_hWnd, &m_ps) : nullptr);
}

// Painting that began must end, whatever became of the wrapper's handles.
CPaintDC::~CPaintDC()
{
    Detach();
    if (m_ps.hdc)
        ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(windowOf(pWnd))
{
    adopt(*this, ::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    if (HDC hDC = Detach())
        ::ReleaseDC(m_hWnd, hDC);
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(windowOf(pWnd))
{
    adopt(*this, ::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC()
{
    if (HDC hDC = Detach())
        ::ReleaseDC(m_hWnd, hDC);
}
