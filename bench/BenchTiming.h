// What every benchmark needs: a clock, a message pump, medians of
// alternating runs, and the time a modal dialog takes to come up painted.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Milliseconds from an arbitrary start.
double f_Now();
// Dispatches whatever is queued for the thread.
void v_Drain();

struct BenchFigure {
    std::string what;
    int rounds;
    double library;   // median, milliseconds
    double plain;
};

// Runs both sides `rounds` times after one warm-up each, alternating which
// goes first so that both see the same state of the system.
BenchFigure so_Compare(const char* what, int rounds, const std::function<double()>& library,
                       const std::function<double()>& plain);

// Milliseconds from calling `show` until the modal dialog it opens and all
// its items have painted; the dialog is then cancelled. `show` returns once
// the dialog is closed. Negative when no dialog came up.
double f_TimeModalDialog(const std::function<void()>& show);
