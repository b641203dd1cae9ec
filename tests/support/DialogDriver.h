// Plays the user of a modal dialog box (the Tip of the Day box, and any box
// of the soaks and the bad-input tests): once the calling thread's box is on
// the screen, runs an action on it from inside its modal loop (through a
// thread timer). ShownDialog.h has the helpers to read and press its items.
#pragma once

#include "ShownDialog.h"

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
