// What a soak watches: every count of things the library takes and must give
// back, read at one moment, and the comparison of two such readings.
#pragma once

#include "GdiCounter.h"

#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <utility>

struct LeakCounts {
    // Each count by name, in a fixed order.
    std::array<std::pair<const char*, long long>, 12> values;
};

// Counts GDI objects and window DCs of the library, the framework and the
// product family's libraries from its construction on; the other counts are
// the process's own. One at a time (see GdiCounter).
class LeakWatch {
public:
    LeakWatch();

    // Handles the messages waiting, then reads every count. The framework's
    // temporary objects are left alone: its modal loops free them when idle,
    // and a round must leave no more of them than the one before.
    LeakCounts read();
    bool watching() const { return gdi_.watching(); }
    // GDI objects the watched modules made since construction, deleted or not.
    size_t gdiObjectsMade() const { return gdi_.created(); }

private:
    GdiCounter gdi_;
};

// "name value" for every count.
std::string describe(const LeakCounts& counts);
// "name before -> after" for every count, changed ones marked.
std::string describe(const LeakCounts& before, const LeakCounts& after);
// A gtest failure for every count that differs.
void expectUnchanged(const LeakCounts& before, const LeakCounts& after);

// Runs `round` once, so that one-time caches are filled (the bitmap window
// class, the system font, the language table), then `rounds` times more,
// and expects every count back where it stood after the first; prints the
// counts at the start, after the first round and after the last.
void soak(const char* what, int rounds, const std::function<void()>& round);
