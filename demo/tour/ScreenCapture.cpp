#include "ScreenCapture.h"

#include "PngWriter.h"

namespace {

// The screen's pixels under `area`, copied into a 32-bit top-down DIB
// section and handed to the PNG writer.
BOOL b_WriteScreenArea(const RECT& area, const wchar_t* path)
{
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return FALSE;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section)
        return FALSE;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, section);
    BOOL written = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    if (written)
        written = b_WritePng(path, width, height, static_cast<const DWORD*>(bits));
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DeleteObject(section);
    return written;
}

// A window's paint may reach the screen later than the paint itself: Wine
// keeps each top-level window's pixels in a surface of its own and copies
// them out when the thread next looks at its queue. Looking at the queue for
// a while, without taking anything out of it, lets the copy happen.
void v_LetPaintReachScreen()
{
    const DWORD start = GetTickCount();
    do {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_NOYIELD);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        Sleep(10);
    } while (GetTickCount() - start < 200);
}

} // namespace

BOOL b_CaptureWindow(HWND window, const wchar_t* path)
{
    if (!IsWindow(window) || !IsWindowVisible(window))
        return FALSE;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT area;
    GetWindowRect(window, &area);
    return b_CaptureScreenArea(area, path);
}

BOOL b_CaptureScreenArea(const RECT& area, const wchar_t* path)
{
    GdiFlush();
    v_LetPaintReachScreen();
    RECT visible;
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!IntersectRect(&visible, &area, &screen))
        return FALSE;
    return b_WriteScreenArea(visible, path);
}
