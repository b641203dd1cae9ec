// What every benchmark needs: a clock, a message pump, medians of
// alternating rounds, and the time a modal dialog takes to come up painted.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

// Milliseconds from an arbitrary start.
double f_Now();
// Dispatches whatever is queued for the thread.
void v_Drain();

// One timed run of one side of a comparison, in milliseconds; negative when
// the run failed.
typedef std::function<double()> BenchSide;

// The times of every round by side, times[side][round].
typedef std::vector<std::vector<double>> BenchTimes;

// Runs `rounds` rounds. Every round runs every side once, each round starting
// one side further on (library, plain, library ... for two sides), so that
// all sides see the same state of the system. With `warmUp`, each side first
// runs once untimed: first-use costs (classes registered, pages touched) are
// then not what is measured.
BenchTimes vv_RunRounds(int rounds, const std::vector<BenchSide>& sides, bool warmUp);

// The median of `times`; negative when a run failed.
double f_Median(std::vector<double> times);

// Milliseconds from calling `show` until the modal dialog it opens and all
// its items have painted; the dialog is then cancelled. `show` returns once
// the dialog is closed. Negative when no dialog came up.
double f_TimeModalDialog(const std::function<void()>& show);
