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
    bool prescribed;        // the library's excess is work its description prescribes
};

// The table, the notes under it, then per row
//   bench: <name> library=<ms> plain=<ms> ratio=<r>[ prescribed]
// A row that was not measured shows "-" in the table and "nan" in its line.
void v_PrintReport(const std::vector<BenchRow>& rows, const std::vector<std::string>& notes);
