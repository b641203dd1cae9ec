#include "BenchRun.h"

#include "BenchReport.h"
#include "BenchTiming.h"
#include "ColdStart.h"
#include "ControlBenches.h"
#include "DialogBenches.h"

#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// Every cold round starts two processes.
const int kColdRounds = 21;

struct BenchOptions {
    int rounds = 0;            // 0: each row's own count
    std::string cold[2];       // showing and side of a cold run; empty otherwise
};

std::string co_Narrow(const wchar_t* text)
{
    std::string narrow;
    for (; *text; ++text)
        narrow += *text < 0x80 ? static_cast<char>(*text) : '?';
    return narrow;
}

bool b_ReadOptions(BenchOptions* options)
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments)
        return false;
    bool valid = true;
    for (int i = 1; i < count && valid; ++i) {
        if (std::wcscmp(arguments[i], L"--rounds") == 0 && i + 1 < count) {
            wchar_t* end = nullptr;
            const long rounds = std::wcstol(arguments[++i], &end, 10);
            valid = *end == 0 && rounds > 0 && rounds <= 100000;
            options->rounds = static_cast<int>(rounds);
        } else if (std::wcscmp(arguments[i], L"--cold") == 0 && i + 2 < count) {
            options->cold[0] = co_Narrow(arguments[++i]);
            options->cold[1] = co_Narrow(arguments[++i]);
        } else {
            valid = false;
        }
    }
    LocalFree(arguments);
    return valid;
}

BenchRow so_WarmRow(const DialogShowing& showing, const BenchModules& modules, int rounds)
{
    rounds = rounds ? rounds : showing.rounds;
    const BenchTimes times = vv_RunRounds(
        rounds, {[&] { return showing.library(modules); }, [&] { return showing.plain(modules); }}, true);
    return so_MakeRow(showing.name, std::string(showing.what) + ", show to painted", times[0], times[1], false);
}

// Each round one process per side, so the first showing each time.
BenchRow so_ColdRow(const DialogShowing& showing, int rounds)
{
    rounds = rounds ? rounds : kColdRounds;
    const BenchTimes times = vv_RunRounds(rounds,
                                          {[&] { return f_TimeInFreshProcess(showing.name, true); },
                                           [&] { return f_TimeInFreshProcess(showing.name, false); }},
                                          false);
    const std::string what = std::string(showing.what) + ", first showing in a fresh process";
    return so_MakeRow(std::string(showing.name) + "-cold", what, times[0], times[1], false);
}

int i_RunAll(int rounds)
{
    BenchModules modules;
    if (!b_LoadBenchModules(&modules)) {
        v_FreeBenchModules(&modules);
        return 1;
    }
    std::vector<BenchRow> rows;
    std::vector<std::string> notes;
    for (const DialogShowing& showing : vso_DialogShowings()) {
        rows.push_back(so_WarmRow(showing, modules, rounds));
        rows.push_back(so_ColdRow(showing, rounds));
    }
    rows.push_back(so_BenchPicture(modules, rounds));
    v_BenchTextLink(modules, rounds, &rows, &notes);
    v_PrintReport(rows, notes);
    v_FreeBenchModules(&modules);
    return 0;
}

} // namespace

int i_RunBench()
{
    BenchOptions options;
    if (!b_ReadOptions(&options)) {
        std::fprintf(stderr, "usage: DialogsBench [--rounds N]\n");
        return 2;
    }
    if (!options.cold[0].empty())
        return i_RunColdShowing(options.cold[0].c_str(), options.cold[1].c_str());
    return i_RunAll(options.rounds);
}
