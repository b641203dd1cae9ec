#include "LinkTestHost.h"

#include "LinkTestIds.h"
#include "OpenTrace.h"

namespace {

INT_PTR CALLBACK plainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

} // namespace

LinkTestHost::LinkTestHost()
{
    HWND hDialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_LINK_TEST), nullptr,
                                      plainDialogProc, 0);
    if (!hDialog)
        return;
    dialog_.SubclassWindow(hDialog);
    // The pointer starts away from the dialog: one left over an item by an
    // earlier test would hover it as soon as the dialog shows, at a moment
    // the display chooses.
    SetCursorPos(20, 20);
    pumpMessages();
    SetWindowPos(hDialog, HWND_TOP, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(hDialog);
    paint();
}

LinkTestHost::~LinkTestHost()
{
    if (dialog_.m_hWnd)
        dialog_.DestroyWindow();
    pumpMessages();
}

RECT LinkTestHost::itemRect(int id) const
{
    RECT rect = {};
    GetWindowRect(item(id), &rect);
    MapWindowPoints(nullptr, dialog(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void LinkTestHost::paint()
{
    pumpMessages();
    RedrawWindow(dialog(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pumpMessages();
}

COLORREF LinkTestHost::pixel(int x, int y) const
{
    HDC dc = GetDC(dialog());
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(dialog(), dc);
    return colour;
}

std::vector<COLORREF> LinkTestHost::ringAround(int id) const
{
    RECT client = clientRect(item(id));
    MapWindowPoints(item(id), dialog(), reinterpret_cast<POINT*>(&client), 2);
    InflateRect(&client, 1, 1);
    std::vector<COLORREF> ring;
    HDC dc = GetDC(dialog());
    for (int x = client.left; x < client.right; ++x) {
        ring.push_back(GetPixel(dc, x, client.top));
        ring.push_back(GetPixel(dc, x, client.bottom - 1));
    }
    for (int y = client.top + 1; y < client.bottom - 1; ++y) {
        ring.push_back(GetPixel(dc, client.left, y));
        ring.push_back(GetPixel(dc, client.right - 1, y));
    }
    ReleaseDC(dialog(), dc);
    return ring;
}

std::vector<std::vector<COLORREF>> LinkTestHost::itemPixels(int id) const
{
    const RECT client = clientRect(item(id));
    std::vector<std::vector<COLORREF>> rows;
    HDC dc = GetDC(item(id));
    for (int y = 0; y < client.bottom; ++y) {
        rows.emplace_back();
        for (int x = 0; x < client.right; ++x)
            rows.back().push_back(GetPixel(dc, x, y));
    }
    ReleaseDC(item(id), dc);
    return rows;
}

RECT clientRect(HWND window)
{
    RECT rect = {};
    GetClientRect(window, &rect);
    return rect;
}
