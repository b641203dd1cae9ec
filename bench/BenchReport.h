// The bench's output: one table for reading, then one line per row for
// programs.
#pragma once

#include <string>
#include <vector>

struct BenchRow {
    std::string name;       // one word, for the machine-readable line
    std::string what;       // for the table
    int rounds;
    double library;         // median, milliseconds; negative when not measured
    double plain;
    double ratio;           // median of the rounds' library / plain; negative when not measured
    bool prescribed;        // the library's excess is work its description prescribes
};

// A row of the library's times against the plain code's from the same
// rounds. The ratio is the median of each round's ratio: a load on the
// machine that comes and goes slows both runs of a round alike, and moves it
// less than it moves the ratio of the two medians.
BenchRow so_MakeRow(const std::string& name, const std::string& what, const std::vector<double>& library,
                    const std::vector<double>& plain, bool prescribed);

// The table, the notes under it, then per row
//   bench: <name> library=<ms> plain=<ms> ratio=<r>[ prescribed]
// A row that was not measured shows "-" in the table and "nan" in its line.
void v_PrintReport(const std::vector<BenchRow>& rows, const std::vector<std::string>& notes);
