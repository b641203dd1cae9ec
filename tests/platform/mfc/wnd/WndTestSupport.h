// Helpers of the window tests: plain Win32 windows to act as parents and
// owners, pumping the queue, reading back what a window paints, and driving
// a modal dialog from inside its loop.
#pragma once

#include <afxwin.h>

#include <functional>
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

// Acts once on the dialog with the given caption, from a thread timer, as
// soon as the dialog is visible; the action runs inside the modal loop.
// Should the dialog never show, or not go after the action, the loop is
// ended with WM_QUIT (which the driver takes back out of the queue) instead
// of waiting for ever.
class DialogDriver {
public:
    DialogDriver(LPCWSTR lpszCaption, std::function<void(HWND)> action);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    bool acted() const { return acted_; }

private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
    void stop();
    void giveUp();

    LPCWSTR caption_;
    std::function<void(HWND)> action_;
    UINT_PTR timer_;
    int ticks_;
    bool acted_;
    HWND dialog_;
    static DialogDriver* current_;
};

// Clicks a button of a dialog as a user would (BM_CLICK).
void clickButton(HWND hDialog, int nID);
