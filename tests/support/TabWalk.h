// Walks a dialog box's tab order as a keyboard user does, for a
// DialogDriver: one step notes which item has the focus and how each item
// watched looks (with a pixel's margin, where a focus frame may lie), the
// next presses Tab (real key input), and so on.
#pragma once

#include "DialogDriver.h"

#include <windows.h>

#include <string>
#include <vector>

class TabWalk {
public:
    // Watches the items `ids`; notes the focus at the start and after each
    // of `presses` presses of Tab.
    TabWalk(std::vector<int> ids, int presses);

    std::vector<DialogDriver::Step> steps();

    // The item with the focus at each stop (0: none of those watched).
    const std::vector<int>& focused() const { return focused_; }
    // Every item looks one way at each stop after a press that gave it the
    // focus, and another way at each stop where it has not the focus, so the
    // focus shows and goes without a trace (a push button's default frame
    // aside). Empty when so, else what is not.
    std::string focusFaults() const;

private:
    void note(HWND dialog);

    std::vector<int> ids_;
    int presses_;
    std::vector<int> focused_;
    std::vector<bool> pushButtons_;
    std::vector<std::vector<std::vector<COLORREF>>> looks_;   // [stop][item]
};

// As a user presses the key and lets it go; the input reaches the thread's
// messages after the step that presses it.
void pressKey(WORD key);
