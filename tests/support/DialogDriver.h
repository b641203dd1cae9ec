// Plays the user of a modal dialog box of the calling thread: once the box
// (the one with the caption given, else any) is on the screen, runs the
// steps from inside its modal loop, one per tick of a thread timer, so that
// the box handles its messages between them. ShownDialog.h has the helpers
// to read and press its items.
//
// A box still up a while after the last step is closed (WM_CLOSE), and a
// loop that outlasts that, or whose box never shows, is ended with WM_QUIT,
// which the driver takes back out of the queue when it goes: a fault fails
// the test instead of hanging it.
#pragma once

#include "ShownDialog.h"

#include <windows.h>

#include <functional>
#include <vector>

class DialogDriver {
public:
    using Step = std::function<void(HWND)>;

    explicit DialogDriver(Step action);
    explicit DialogDriver(std::vector<Step> steps);
    DialogDriver(const wchar_t* caption, Step action);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    bool acted() const { return next_ > 0; }
    size_t stepsRun() const { return next_; }
    // The box acted on; no longer a window once the run has ended.
    HWND dialog() const { return dialog_; }
    // The driver closed the box: its steps had not ended it.
    bool closedTheBox() const { return closed_; }

private:
    DialogDriver(const wchar_t* caption, std::vector<Step> steps);
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
    void tick();
    void giveUp();

    std::vector<Step> steps_;
    const wchar_t* caption_;
    size_t next_ = 0;
    int ticks_ = 0;
    bool shown_ = false;
    bool closed_ = false;
    bool gaveUp_ = false;
    bool inStep_ = false;
    HWND dialog_ = nullptr;
    UINT_PTR timer_ = 0;
    static DialogDriver* current_;
};
