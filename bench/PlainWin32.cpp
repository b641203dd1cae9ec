#include "PlainWin32.h"

#include <string.h>

namespace {

const wchar_t kSplashClass[] = L"PlainBenchSplash";

struct SplashData {
    HGLOBAL dib;
    HPALETTE palette;
    const wchar_t* const* lines;
    int count;
    UINT_PTR timer;
};

const BITMAPINFOHEADER& dibHeader(const BYTE* dib)
{
    return *reinterpret_cast<const BITMAPINFOHEADER*>(dib);
}

// Entries of the colour table that follows the header.
unsigned dibColours(const BYTE* dib)
{
    const BITMAPINFOHEADER& header = dibHeader(dib);
    return header.biClrUsed ? header.biClrUsed : (header.biBitCount <= 8 ? 1u << header.biBitCount : 0);
}

void paintSplash(HWND window, const SplashData& data)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const auto* dib = static_cast<const BYTE*>(GlobalLock(data.dib));
    i_PlainDrawDIB(dc, 0, 0, dib, data.palette);
    GlobalUnlock(data.dib);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    const int mode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    for (int i = 0; i < data.count; ++i)
        TextOutW(dc, 20, 196 + 16 * i, data.lines[i], lstrlenW(data.lines[i]));
    SetBkMode(dc, mode);
    SelectObject(dc, font);
    EndPaint(window, &paint);
}

LRESULT CALLBACK splashProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* data = reinterpret_cast<SplashData*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        break;
    case WM_PAINT:
        if (data) {
            paintSplash(window, *data);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        if (data) {
            KillTimer(nullptr, data->timer);
            GlobalFree(data->dib);
            if (data->palette)
                DeleteObject(data->palette);
            delete data;
        }
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void CALLBACK onSplashTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
}

void registerSplashClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSW windowClass = {};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = splashProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kSplashClass;
    registered = RegisterClassW(&windowClass) != 0;
}

} // namespace

// The hourglass shows while the picture is read, as the library shows it.
HGLOBAL h_PlainReadDIB(HMODULE module, unsigned id)
{
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    HGLOBAL block = nullptr;
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), RT_BITMAP);
    const void* data = resource ? LockResource(LoadResource(module, resource)) : nullptr;
    if (data) {
        const DWORD size = SizeofResource(module, resource);
        block = GlobalAlloc(GHND, size);
        if (block) {
            memcpy(GlobalLock(block), data, size);
            GlobalUnlock(block);
        }
    }
    SetCursor(previous);
    return block;
}

HPALETTE h_PlainCreatePalette(const BYTE* dib)
{
    const unsigned count = dibColours(dib);
    if (count == 0)
        return nullptr;
    HGLOBAL block = GlobalAlloc(GHND, 8 + 4 * count);
    auto* palette = static_cast<LOGPALETTE*>(GlobalLock(block));
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(count);
    const auto* table = reinterpret_cast<const RGBQUAD*>(dib + dibHeader(dib).biSize);
    for (unsigned i = 0; i < count; ++i)
        palette->palPalEntry[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
    HPALETTE result = CreatePalette(palette);
    GlobalUnlock(block);
    GlobalFree(block);
    return result;
}

void v_PlainRealize(HWND window, HPALETTE palette)
{
    if (!palette)
        return;
    HDC dc = GetDC(window);
    HPALETTE previous = SelectPalette(dc, palette, TRUE);
    if (previous) {
        RealizePalette(dc);
        SelectPalette(dc, previous, TRUE);
    }
    ReleaseDC(window, dc);
}

int i_PlainDrawDIB(HDC dc, int x, int y, const BYTE* dib, HPALETTE palette)
{
    const BITMAPINFOHEADER& header = dibHeader(dib);
    const BYTE* bits = dib + header.biSize + 4 * dibColours(dib);
    HPALETTE previous = palette ? SelectPalette(dc, palette, TRUE) : nullptr;
    SetStretchBltMode(dc, COLORONCOLOR);
    const int lines = SetDIBitsToDevice(dc, x, y, header.biWidth, header.biHeight, 0, 0, 0, header.biHeight, bits,
                                        reinterpret_cast<const BITMAPINFO*>(dib), DIB_RGB_COLORS);
    if (previous)
        SelectPalette(dc, previous, TRUE);
    return lines;
}

HWND h_PlainShowSplash(HMODULE module, unsigned id, const wchar_t* const* lines, int count)
{
    registerSplashClass();
    HGLOBAL dib = h_PlainReadDIB(module, id);
    if (!dib)
        return nullptr;
    const auto* bytes = static_cast<const BYTE*>(GlobalLock(dib));
    const int width = dibHeader(bytes).biWidth, height = dibHeader(bytes).biHeight;
    HPALETTE palette = h_PlainCreatePalette(bytes);
    GlobalUnlock(dib);
    v_PlainRealize(nullptr, palette);

    auto* data = new SplashData{dib, palette, lines, count, 0};
    HWND splash = CreateWindowExW(WS_EX_TOPMOST, kSplashClass, nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), data);
    if (!splash) {
        GlobalFree(dib);
        if (palette)
            DeleteObject(palette);
        delete data;
        return nullptr;
    }
    data->timer = SetTimer(nullptr, 0, 60000, onSplashTimer);
    SetWindowPos(splash, HWND_TOP, 0, 0, width, height, 0);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(splash, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(splash, SW_SHOWNORMAL);
    UpdateWindow(splash);
    return splash;
}

void v_PlainCloseSplash(HWND splash)
{
    if (splash)
        DestroyWindow(splash);
}

BOOL b_PlainEndOnOkOrCancel(HWND dialog, WPARAM command)
{
    if (LOWORD(command) != IDOK && LOWORD(command) != IDCANCEL)
        return FALSE;
    EndDialog(dialog, LOWORD(command));
    return TRUE;
}
