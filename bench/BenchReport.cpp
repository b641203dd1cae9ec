#include "BenchReport.h"

#include <cstdio>

namespace {

bool b_Measured(const BenchRow& row)
{
    return row.library >= 0 && row.plain > 0;
}

void v_PrintTable(const std::vector<BenchRow>& rows)
{
    std::printf("Dialogs.dll against plain Win32 code in the same run: medians of alternating rounds, in ms\n\n");
    std::printf("%-52s %7s %11s %12s %7s\n", "what", "rounds", "library", "plain Win32", "ratio");
    std::printf("%-52s %7s %11s %12s %7s\n", "----", "------", "-------", "-----------", "-----");
    for (const BenchRow& row : rows) {
        const char* mark = row.prescribed ? "  prescribed" : "";
        if (!b_Measured(row))
            std::printf("%-52s %7d %11s %12s %7s%s\n", row.what.c_str(), row.rounds, "-", "-", "-", mark);
        else
            std::printf("%-52s %7d %11.3f %12.3f %7.2f%s\n", row.what.c_str(), row.rounds, row.library,
                        row.plain, row.library / row.plain, mark);
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
                        row.library / row.plain, mark);
    }
}

} // namespace

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
