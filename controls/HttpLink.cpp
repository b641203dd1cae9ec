#include <Dialogs/HttpLink.h>

#include "LinkAccessible.h"
#include "WholeText.h"
#include "resource.h"

#include <shellapi.h>

namespace {
const UINT_PTR kToolID = 1;
// The longest address a browser takes (and longer than any path the shell
// opens). Some shells overrun their buffers on longer targets, so those are
// not handed over: the open fails as any other failed open does.
const unsigned kLongestTarget = 2083;
} // namespace

IMPLEMENT_DYNAMIC(CT_HttpLink, CStatic)

BEGIN_MESSAGE_MAP(CT_HttpLink, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, &CT_HttpLink::v_OnClicked)
    ON_WM_MOUSEMOVE()
    ON_WM_KILLFOCUS()
    ON_WM_SETFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_SIZE()
    ON_WM_CAPTURECHANGED()
    ON_MESSAGE(WM_GETOBJECT, &CT_HttpLink::OnGetObject)
END_MESSAGE_MAP()

CT_HttpLink::CT_HttpLink()
{
    v_Null();
}

CT_HttpLink::~CT_HttpLink() = default;

// A module searched before this library may bring a cursor 1006 of its own.
void CT_HttpLink::v_Null()
{
    b_Visited = FALSE;
    b_Over = FALSE;
    h_PreviousCursor = nullptr;
    const LPCTSTR name = MAKEINTRESOURCE(IDC_LINKHAND);
    h_LinkCursor = ::LoadCursorW(AfxFindResourceHandle(name, RT_GROUP_CURSOR), name);
}

void CT_HttpLink::v_SetURL(const CT_String* pcco_URL)
{
    co_URL.v_Set(pcco_URL);
    if (!m_hWnd)
        return;
    vv_AdjustSize();
    co_ToolTip.UpdateTipText(co_URL.qcuz_Get(), this, kToolID);
    InvalidateRect(nullptr, TRUE);
}

void CT_HttpLink::vv_AdjustSize()
{
}

// The tool is not subclassed by the tooltip, which learns of the pointer
// only through this relay.
BOOL CT_HttpLink::PreTranslateMessage(MSG* pMsg)
{
    co_ToolTip.RelayEvent(pMsg);
    return CStatic::PreTranslateMessage(pMsg);
}

void CT_HttpLink::PreSubclassWindow()
{
    CRect client;
    GetClientRect(&client);
    co_ToolTip.Create(this, 0);
    co_ToolTip.AddTool(this, co_URL.qcuz_Get(), &client, kToolID);
    CStatic::PreSubclassWindow();
}

void CT_HttpLink::DrawItem(LPDRAWITEMSTRUCT)
{
}

void CT_HttpLink::v_OnClicked()
{
    SetFocus();
    if (co_URL.vn_GetLength() > kLongestTarget)
        return;
    const HINSTANCE result =
        ::ShellExecuteW(nullptr, L"open", co_URL.qcuz_Get(), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<UINT_PTR>(result) > 32) {
        const BOOL newlyVisited = !b_Visited;
        b_Visited = TRUE;
        InvalidateRect(nullptr, TRUE);
        if (newlyVisited)
            ::NotifyWinEvent(EVENT_OBJECT_STATECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    }
}

// While the capture is held every move is reported here, which is how the
// control sees the pointer leave; and no window is asked for a cursor, so the
// hand stays without a WM_SETCURSOR handler.
void CT_HttpLink::OnMouseMove(UINT nFlags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point)) {
        if (!b_Over) {
            b_Over = TRUE;
            SetCapture();
            h_PreviousCursor = ::SetCursor(h_LinkCursor);
        }
    } else if (b_Over) {
        v_EndHover();
    }
    CStatic::OnMouseMove(nFlags, point);
}

void CT_HttpLink::v_EndHover()
{
    b_Over = FALSE;
    ::ReleaseCapture();
    ::SetCursor(h_PreviousCursor);
}

// Another window took the capture (a menu, a drag, Alt+Tab), so the move that
// shows the pointer leaving never comes here: the hover ends now, or the
// next entry would set no hand. The capture is not released: it is theirs.
void CT_HttpLink::OnCaptureChanged(CWnd* pWnd)
{
    if (b_Over) {
        b_Over = FALSE;
        ::SetCursor(h_PreviousCursor);
    }
    CStatic::OnCaptureChanged(pWnd);
}

void CT_HttpLink::OnKillFocus(CWnd* pNewWnd)
{
    if (b_Over)
        v_EndHover();
    v_DrawFocusRect();
    CStatic::OnKillFocus(pNewWnd);
}

void CT_HttpLink::OnSetFocus(CWnd* pOldWnd)
{
    CStatic::OnSetFocus(pOldWnd);
    v_DrawFocusRect();
}

// The frame lies outside the control, on its parent. A static control's own
// context (CS_PARENTDC) may reach there, but not every system lets it draw
// outside the client area, so the frame goes through the parent's context.
void CT_HttpLink::v_DrawFocusRect()
{
    CRect frame;
    GetClientRect(&frame);
    frame.InflateRect(1, 1);
    CWnd* canvas = GetParent();
    if (canvas) {
        ClientToScreen(&frame);
        canvas->ScreenToClient(&frame);
    } else {
        canvas = this;
    }
    // Without a context the frame is not drawn (nor, later, taken away).
    try {
        CClientDC dc(canvas);
        dc.DrawFocusRect(&frame);
    } catch (CResourceException* e) {
        e->Delete();
    }
}

void CT_HttpLink::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE)
        v_OnClicked();
    CStatic::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CT_HttpLink::OnSize(UINT nType, int cx, int cy)
{
    CStatic::OnSize(nType, cx, cy);
    const CRect tool(0, 0, cx, cy);
    co_ToolTip.SetToolRect(this, kToolID, &tool);
    if (co_URL.vn_GetLength() == 0) {
        // A text that no memory holds leaves the link without a target.
        CString text;
        try {
            GetWindowText(text);
        } catch (CMemoryException* e) {
            e->Delete();
        }
        co_URL.v_Set(static_cast<LPCTSTR>(text), kWholeText);
        co_ToolTip.UpdateTipText(co_URL.qcuz_Get(), this, kToolID);
    }
    vv_AdjustSize();
}

LRESULT CT_HttpLink::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    const LRESULT reference = i_GetAccessibleReference(this, wParam, lParam);
    return reference ? reference : Default();
}
