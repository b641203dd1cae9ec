#include "WndTestSupport.h"
#include "TopDownDib.h"

namespace {

const wchar_t kPlainClass[] = L"WndTestPlainWindow";

void registerPlainClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kPlainClass;
    registered = RegisterClassW(&wc) != 0;
}

} // namespace

void pumpPending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

PlainWindow::PlainWindow(DWORD dwStyle, LPCWSTR lpszTitle)
{
    registerPlainClass();
    hWnd_ = CreateWindowExW(0, kPlainClass, lpszTitle, dwStyle, 100, 100, 400, 300, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
}

PlainWindow::~PlainWindow()
{
    if (IsWindow(hWnd_))
        DestroyWindow(hWnd_);
}

HWND createChild(HWND hParent, int nID, DWORD dwStyle, LPCWSTR lpszClass, LPCWSTR lpszText, int cx, int cy)
{
    return CreateWindowExW(0, lpszClass, lpszText, WS_CHILD | WS_VISIBLE | dwStyle, 10, 10, cx, cy, hParent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(nID)), GetModuleHandleW(nullptr), nullptr);
}

std::vector<COLORREF> printClient(HWND hWnd)
{
    RECT rc = {};
    GetClientRect(hWnd, &rc);
    const int cx = rc.right > 0 ? rc.right : 1;
    const int cy = rc.bottom > 0 ? rc.bottom : 1;
    void* bits = nullptr;
    HDC hMemory = CreateCompatibleDC(nullptr);
    HBITMAP hBitmap = CreateTopDownDib32(hMemory, cx, cy, &bits);
    HGDIOBJ hOld = SelectObject(hMemory, hBitmap);
    HBRUSH hMarker = CreateSolidBrush(kUnpainted);
    FillRect(hMemory, &rc, hMarker);
    DeleteObject(hMarker);
    SendMessageW(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hMemory), PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    std::vector<COLORREF> pixels(static_cast<size_t>(cx) * cy);
    const RGBQUAD* quads = static_cast<const RGBQUAD*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue);
    SelectObject(hMemory, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hMemory);
    return pixels;
}

COLORREF printedPixel(HWND hWnd, int x, int y)
{
    RECT rc = {};
    GetClientRect(hWnd, &rc);
    const std::vector<COLORREF> pixels = printClient(hWnd);
    if (x < 0 || y < 0 || x >= rc.right || y >= rc.bottom)
        return CLR_INVALID;
    return pixels[static_cast<size_t>(y) * rc.right + x];
}
