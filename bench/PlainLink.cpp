#include "PlainLink.h"

#include <commctrl.h>
#include <shellapi.h>

namespace {

const UINT_PTR kToolID = 1;
const COLORREF kLinkColour = RGB(0, 0, 255);
const COLORREF kVisitedColour = RGB(128, 0, 128);

void v_Open(PlainLink* link)
{
    SetFocus(link->item);
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", link->target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<UINT_PTR>(result) > 32) {
        link->visited = true;
        InvalidateRect(link->item, nullptr, TRUE);
    }
}

// The frame lies outside the item, so it is drawn on the parent; drawing
// it again removes it.
void v_DrawFocusFrame(const PlainLink& link)
{
    const HWND parent = GetParent(link.item);
    RECT frame;
    GetClientRect(link.item, &frame);
    MapWindowPoints(link.item, parent, reinterpret_cast<POINT*>(&frame), 2);
    InflateRect(&frame, 1, 1);
    const HDC dc = GetDC(parent);
    DrawFocusRect(dc, &frame);
    ReleaseDC(parent, dc);
}

// The tooltip learns of the pointer only from the mouse messages passed on
// here.
LRESULT CALLBACK i_LinkProcedure(HWND item, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* link = reinterpret_cast<PlainLink*>(GetWindowLongPtrW(item, GWLP_USERDATA));
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && link->tip) {
        MSG relayed = {item, message, wParam, lParam, 0, {0, 0}};
        SendMessageW(link->tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(link->hand);
        return TRUE;
    case WM_SETFOCUS: {
        const LRESULT result = CallWindowProcW(link->staticProcedure, item, message, wParam, lParam);
        v_DrawFocusFrame(*link);
        return result;
    }
    case WM_KILLFOCUS:
        v_DrawFocusFrame(*link);
        break;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE)
            v_Open(link);
        break;
    }
    return CallWindowProcW(link->staticProcedure, item, message, wParam, lParam);
}

void v_AddTip(PlainLink* link)
{
    static const INITCOMMONCONTROLSEX kTooltips = {sizeof kTooltips, ICC_BAR_CLASSES};
    static const BOOL registered = InitCommonControlsEx(&kTooltips);
    if (!registered)
        return;
    link->tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, link->item, nullptr, nullptr, nullptr);
    if (!link->tip)
        return;
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = link->item;
    tool.uId = kToolID;
    GetClientRect(link->item, &tool.rect);
    tool.lpszText = const_cast<wchar_t*>(link->target.c_str());
    SendMessageW(link->tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// An item without a font of its own is given the default GUI font underlined.
HFONT h_MakeUnderlinedFont(HWND item)
{
    LOGFONTW logFont = {};
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(item, WM_GETFONT, 0, 0));
    if (!font || GetObjectW(font, sizeof logFont, &logFont) != sizeof logFont)
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont);
    logFont.lfUnderline = TRUE;
    return CreateFontIndirectW(&logFont);
}

} // namespace

void v_PlainMakeLink(PlainLink* link, HWND item, const wchar_t* target, HCURSOR hand)
{
    link->item = item;
    link->hand = hand;
    link->target = target;
    v_AddTip(link);
    SetWindowLongPtrW(item, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(link));
    link->staticProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(item, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(i_LinkProcedure)));
}

// Fitted before the tooltip learns the item's rectangle.
void v_PlainMakeTextLink(PlainLink* link, HWND item, const wchar_t* target, HCURSOR hand)
{
    link->item = item;
    link->target = target;
    link->font = h_MakeUnderlinedFont(item);
    SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(link->font), FALSE);
    v_PlainFitTextLink(*link, false);
    v_PlainMakeLink(link, item, target, hand);
}

HBRUSH h_PlainColourTextLink(const PlainLink& link, HDC dc)
{
    SetTextColor(dc, link.visited ? kVisitedColour : kLinkColour);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void v_PlainFitTextLink(const PlainLink& link, bool toTop)
{
    const HDC dc = GetDC(link.item);
    const HGDIOBJ previous = SelectObject(dc, link.font);
    SIZE text = {};
    GetTextExtentPoint32W(dc, link.target.c_str(), static_cast<int>(link.target.size()), &text);
    SelectObject(dc, previous);
    ReleaseDC(link.item, dc);
    RECT window;
    GetWindowRect(link.item, &window);
    SetWindowPos(link.item, HWND_TOP, 0, 0, text.cx, window.bottom - window.top,
                 toTop ? SWP_NOMOVE : SWP_NOMOVE | SWP_NOZORDER);
}

BOOL b_PlainOnLinkCommand(PlainLink* link, WPARAM command, LPARAM control)
{
    if (reinterpret_cast<HWND>(control) != link->item || HIWORD(command) != STN_CLICKED)
        return FALSE;
    v_Open(link);
    return TRUE;
}

void v_PlainFreeLink(PlainLink* link)
{
    if (link->staticProcedure) {
        SetWindowLongPtrW(link->item, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(link->staticProcedure));
        SetWindowLongPtrW(link->item, GWLP_USERDATA, 0);
    }
    if (link->tip)
        DestroyWindow(link->tip);
    if (link->font)
        DeleteObject(link->font);
    *link = PlainLink();
}
