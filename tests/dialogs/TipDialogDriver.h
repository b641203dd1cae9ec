// Plays the user of the Tip of the Day box: once the calling thread's modal
// dialog box is on the screen, runs an action on it from inside its modal
// loop (through a thread timer), and helpers to read and press its items.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class TipDialogDriver {
public:
    explicit TipDialogDriver(std::function<void(HWND)> action);
    ~TipDialogDriver();
    TipDialogDriver(const TipDialogDriver&) = delete;
    TipDialogDriver& operator=(const TipDialogDriver&) = delete;

    bool acted() const { return acted_; }
    // The box acted on; no longer a window once the run has ended.
    HWND dialog() const { return dialog_; }

private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);

    std::function<void(HWND)> action_;
    UINT_PTR timer_ = 0;
    int ticksSinceAction_ = 0;
    bool acted_ = false;
    HWND dialog_ = nullptr;
    static TipDialogDriver* current_;
};

std::wstring windowText(HWND window);
std::wstring itemText(HWND dialog, int id);
bool isChecked(HWND dialog, int id);
// As a user clicks it (BM_CLICK), handled before this returns.
void click(HWND dialog, int id);
// Paints the box and its items afresh, now.
void repaint(HWND dialog);
// A pixel of an item's client area as the screen shows it.
COLORREF itemPixel(HWND dialog, int id, int x, int y);
