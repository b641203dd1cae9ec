// A host of the splash window for the tests: its main window, its message
// loop (which offers every message to the splash before dispatching it, as
// a host does) and a timer of its own to order events by.
#pragma once

#include <windows.h>

#include <functional>

// A plain top-level window of the host that records the mouse-button and
// key presses it receives.
class HostWindow {
public:
    HostWindow();
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND handle() const { return window_; }
    int pressesReceived() const;

private:
    HWND window_;
};

class HostLoop {
public:
    // Runs the loop until `done` holds; false when it has not after a
    // generous bound (thirty seconds), so that a fault fails rather than hangs.
    bool runUntil(const std::function<bool()>& done);
    // Handles what is waiting, without waiting for more.
    void drain();

    // The splash's minimum-time timer messages dispatched so far: thread
    // timer messages that no yardstick sent.
    int splashTicks() const { return splashTicks_; }

private:
    bool handleOne();
    int splashTicks_ = 0;
};

// A thread timer that fires once after `milliseconds`; two timers fire in
// the order of their periods, which lets a test say "not before".
class Yardstick {
public:
    explicit Yardstick(UINT milliseconds);
    ~Yardstick();
    Yardstick(const Yardstick&) = delete;
    Yardstick& operator=(const Yardstick&) = delete;

    bool fired() const;

private:
    UINT_PTR timer_;
};

// The window of the bitmap class on this thread (the splash), or null.
HWND findSplashWindow();
