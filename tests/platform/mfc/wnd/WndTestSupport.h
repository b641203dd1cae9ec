// Helpers of the window tests: plain Win32 windows to act as parents and
// owners, pumping the queue, and reading back what a window paints. Modal
// dialogs are driven by tests/support's DialogDriver.
#pragma once

#include <afxwin.h>

#include <vector>

// Handles what is waiting in the thread's queue (no idle time, no
// pre-translation).
void pumpPending();

// A top-level window of a plain Win32 class, destroyed with the object.
class PlainWindow {
public:
    explicit PlainWindow(DWORD dwStyle = WS_OVERLAPPEDWINDOW, LPCWSTR lpszTitle = L"Plain");
    ~PlainWindow();
    PlainWindow(const PlainWindow&) = delete;
    PlainWindow& operator=(const PlainWindow&) = delete;

    HWND handle() const { return hWnd_; }

private:
    HWND hWnd_;
};

// A child window of a plain Win32 class (a "STATIC" unless said otherwise),
// destroyed with the object unless its parent went first.
HWND createChild(HWND hParent, int nID, DWORD dwStyle = SS_LEFT, LPCWSTR lpszClass = L"STATIC",
                 LPCWSTR lpszText = L"Text", int cx = 120, int cy = 30);

// The window's client area as it paints itself into a memory context
// (WM_PRINTCLIENT), row by row from the top. Pixels it leaves alone keep
// the marker colour kUnpainted.
const COLORREF kUnpainted = RGB(1, 2, 3);
std::vector<COLORREF> printClient(HWND hWnd);
COLORREF printedPixel(HWND hWnd, int x, int y);
