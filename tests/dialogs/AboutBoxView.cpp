#include "AboutBoxView.h"

#include <commctrl.h>

namespace {

bool isOfClass(HWND window, const wchar_t* className)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    return lstrcmpiW(name, className) == 0;
}

BOOL CALLBACK countTooltip(HWND window, LPARAM counter)
{
    *reinterpret_cast<int*>(counter) += isOfClass(window, TOOLTIPS_CLASSW);
    return TRUE;
}

struct ToolSearch {
    HWND item;
    std::wstring text;
    bool found;
};

BOOL CALLBACK askTooltip(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ToolSearch*>(data);
    if (!isOfClass(window, TOOLTIPS_CLASSW))
        return TRUE;
    TOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = search->item;
    info.uId = 1;
    if (!SendMessageW(window, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)))
        return TRUE;
    wchar_t text[1024] = {};
    info.lpszText = text;
    SendMessageW(window, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&info));
    search->text = text;
    search->found = true;
    return FALSE;
}

} // namespace

int tooltipWindows()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countTooltip, reinterpret_cast<LPARAM>(&count));
    return count;
}

std::wstring linkTarget(HWND item)
{
    ToolSearch search = {item, L"", false};
    EnumThreadWindows(GetCurrentThreadId(), askTooltip, reinterpret_cast<LPARAM>(&search));
    return search.found ? search.text : L"(no tooltip)";
}

POINT cornerOf(HWND dialog, int id)
{
    RECT rect = {};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    POINT corner = {rect.left, rect.top};
    ScreenToClient(dialog, &corner);
    return corner;
}

std::wstring fontFace(HWND item)
{
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(item, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfFaceName;
}

COLORREF dibPixel(HMODULE module, unsigned id, int x, int y)
{
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), RT_BITMAP);
    const auto* header = info ? static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, info)))
                              : nullptr;
    if (!header || (header->biBitCount != 4 && header->biBitCount != 8))
        return CLR_INVALID;
    const unsigned colours = header->biClrUsed ? header->biClrUsed : 1u << header->biBitCount;
    const auto* table = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(header) + header->biSize);
    const BYTE* bits = reinterpret_cast<const BYTE*>(table + colours);
    const int stride = (header->biWidth * header->biBitCount + 31) / 32 * 4;
    const BYTE* row = bits + (header->biHeight - 1 - y) * stride;
    const unsigned index = header->biBitCount == 8 ? row[x] : (x % 2 ? row[x / 2] & 0x0F : row[x / 2] >> 4);
    return RGB(table[index].rgbRed, table[index].rgbGreen, table[index].rgbBlue);
}

bool showsPicture(HWND dialog, POINT corner, HMODULE module, unsigned id)
{
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), RT_BITMAP);
    const auto* header = info ? static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, info)))
                              : nullptr;
    if (!header)
        return false;
    HDC dc = GetDC(dialog);
    bool same = true;
    for (int y = 0; y < header->biHeight && same; y += 3)
        for (int x = 0; x < header->biWidth && same; x += 5)
            same = GetPixel(dc, corner.x + x, corner.y + y) == dibPixel(module, id, x, y);
    ReleaseDC(dialog, dc);
    return same;
}
