#include <Dialogs/TextHttpLink.h>

namespace {
const COLORREF kLinkColour = RGB(0, 0, 255);
const COLORREF kVisitedColour = RGB(128, 0, 128);
} // namespace

IMPLEMENT_DYNAMIC(CT_TextHttpLink, CT_HttpLink)

BEGIN_MESSAGE_MAP(CT_TextHttpLink, CT_HttpLink)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CT_TextHttpLink::CT_TextHttpLink()
{
    v_Null();
}

CT_TextHttpLink::~CT_TextHttpLink()
{
    v_GiveItemFontBack();
}

void CT_TextHttpLink::v_Null()
{
    n_LinkColour = kLinkColour;
    n_VisitedColour = kVisitedColour;
}

// The static control asks for its colours on every paint, so the width is
// brought up to date there too, and the colour turns on the repaint that
// follows a successful open. A null brush leaves the colours to the parent.
HBRUSH CT_TextHttpLink::CtlColor(CDC* pDC, UINT)
{
    HBRUSH brush = nullptr;
    const DWORD textStyle = GetStyle() & 0xFF;
    if (textStyle == SS_LEFT || textStyle == SS_CENTER || textStyle == SS_RIGHT) {
        if (!co_Font.m_hObject)
            v_CreateLinkFont();
        v_KeepLinkFont();
        pDC->SelectObject(&co_Font);
        pDC->SetTextColor(b_Visited ? n_VisitedColour : n_LinkColour);
        pDC->SetBkMode(TRANSPARENT);
        brush = static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    }
    vv_AdjustSize();
    return brush;
}

// Made once: a later change of the item's font is not followed. An item
// without a font of its own (or with one that is gone) is given the default
// GUI font underlined.
void CT_TextHttpLink::v_CreateLinkFont()
{
    LOGFONTW logFont = {};
    const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    if (!font || ::GetObjectW(font, sizeof logFont, &logFont) != sizeof logFont)
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont);
    logFont.lfUnderline = 1;
    co_Font.CreateFontIndirect(&logFont);
}

// Some static controls select their own font only after asking for their
// colours, which would undo the selection made here; the item is therefore
// given the link font as its own as well.
void CT_TextHttpLink::v_KeepLinkFont()
{
    const HFONT font = static_cast<HFONT>(co_Font.m_hObject);
    const HFONT itemFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (!font || itemFont == font)
        return;
    if (h_FontItem != m_hWnd)
        v_GiveItemFontBack();
    h_FontItem = m_hWnd;
    h_ItemFont = itemFont;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// The link font dies with the link, and an item that outlives it (detached,
// or left for another item) must not keep drawing with a deleted font.
void CT_TextHttpLink::v_GiveItemFontBack()
{
    if (h_FontItem && ::IsWindow(h_FontItem) &&
        reinterpret_cast<HGDIOBJ>(::SendMessageW(h_FontItem, WM_GETFONT, 0, 0)) == co_Font.m_hObject)
        ::SendMessageW(h_FontItem, WM_SETFONT, reinterpret_cast<WPARAM>(h_ItemFont), TRUE);
    h_FontItem = nullptr;
    h_ItemFont = nullptr;
}

// The left edge stays whatever the alignment, and there is no margin beside
// the text. The height is the window's own, so that a framed item keeps it.
void CT_TextHttpLink::vv_AdjustSize()
{
    if (!m_hWnd)
        return;
    CSize text;
    try {
        CClientDC dc(this);
        CFont* previous = dc.SelectObject(&co_Font);
        text = dc.GetTextExtent(co_URL.qcuz_Get(), static_cast<int>(co_URL.vn_GetLength()));
        if (previous)
            dc.SelectObject(previous);
    } catch (CResourceException* e) {
        // Nothing to measure with: the control keeps its size.
        e->Delete();
        return;
    }
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, text.cx, window.Height(), SWP_NOMOVE);
}
