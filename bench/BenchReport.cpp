#include "BenchReport.h"

#include "BenchTiming.h"

#include <algorithm>
#include <cstdio>

namespace {

bool b_Measured(const BenchRow& row)
{
    return row.library >= 0 && row.plain > 0 && row.ratio >= 0;
}

void v_PrintTable(const std::vector<BenchRow>& rows)
{
    int width = 4;
    for (const BenchRow& row : rows)
        width = std::max(width, static_cast<int>(row.what.size()));
    std::printf("Dialogs.dll against plain Win32 code in the same run: medians of alternating rounds, in ms;\n"
                "the ratio is the median of the rounds' ratios\n\n");
    std::printf("%-*s %7s %11s %12s %7s\n", width, "what", "rounds", "library", "plain Win32", "ratio");
    std::printf("%-*s %7s %11s %12s %7s\n", width, "----", "------", "-------", "-----------", "-----");
    for (const BenchRow& row : rows) {
        const char* mark = row.prescribed ? "  prescribed" : "";
        if (!b_Measured(row))
            std::printf("%-*s %7d %11s %12s %7s%s\n", width, row.what.c_str(), row.rounds, "-", "-", "-", mark);
        else
            std::printf("%-*s %7d %11.3f %12.3f %7.2f%s\n", width, row.what.c_str(), row.rounds, row.library,
                        row.plain, row.ratio, mark);
    }
}

void v_PrintLines(const std::vector<BenchRow>& rows)
{
    for (const BenchRow& row : rows) {
        const char* mark = row.prescribed ? " prescribed" : "";
        if (!b_Measured(row))
            std::printf("bench: %s library=nan plain=nan ratio=nan%s\n", row.name.c_str(), mark);
        else
            std::printf("bench: %s library=%.3f plain=%.3f ratio=%.2f%s\n", row.name.c_str(), row.library, row.plain,
                        row.ratio, mark);
    }
}

} // namespace

BenchRow so_MakeRow(const std::string& name, const std::string& what, const std::vector<double>& library,
                    const std::vector<double>& plain, bool prescribed)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < library.size() && i < plain.size(); ++i)
        ratios.push_back(library[i] >= 0 && plain[i] > 0 ? library[i] / plain[i] : -1);
    return {name, what, static_cast<int>(library.size()), f_Median(library), f_Median(plain), f_Median(ratios),
            prescribed};
}

void v_PrintReport(const std::vector<BenchRow>& rows, const std::vector<std::string>& notes)
{
    v_PrintTable(rows);
    if (!notes.empty())
        std::printf("\n");
    for (const std::string& note : notes)
        std::printf("%s\n", note.c_str());
    std::printf("\n");
    v_PrintLines(rows);
    std::fflush(stdout);
}
