// Plays the user of the calling thread's About box: once the box is up,
// runs a list of steps from inside its modal loop (one per tick of a thread
// timer, so that messages are handled between them), and reads the box as
// a user sees it.
#pragma once

#include "ShownDialog.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class AboutDialogDriver {
public:
    using Step = std::function<void(HWND)>;
    explicit AboutDialogDriver(std::vector<Step> steps);
    ~AboutDialogDriver();
    AboutDialogDriver(const AboutDialogDriver&) = delete;
    AboutDialogDriver& operator=(const AboutDialogDriver&) = delete;

    // Steps run so far; the box is closed if it is still up a while after
    // the last one, so that a fault fails the test instead of hanging it.
    size_t stepsRun() const { return next_; }
    bool closedTheBox() const { return idleTicks_ >= kIdleTicksToClose; }

private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
    void tick();

    static const int kIdleTicksToClose = 500;

    std::vector<Step> steps_;
    size_t next_ = 0;
    int idleTicks_ = 0;
    UINT_PTR timer_ = 0;
    static AboutDialogDriver* current_;
};

// Tooltip windows of the calling thread.
int tooltipWindows();
// The target that a link item's tooltip holds (tool 1 of the item).
std::wstring linkTarget(HWND item);
// The item's top-left corner in the box's client coordinates.
POINT cornerOf(HWND dialog, int id);
// The face name of the font an item draws with.
std::wstring fontFace(HWND item);

// Pixel (x, y) (top row 0) of bitmap `id` of `module`, from its own colour
// table; 4 and 8 bits per pixel.
COLORREF dibPixel(HMODULE module, unsigned id, int x, int y);
// Whether the box shows bitmap `id` of `module` with its top-left corner at
// `corner`, compared on a grid of points.
bool showsPicture(HWND dialog, POINT corner, HMODULE module, unsigned id);
