#include "ColdStart.h"

#include "BenchTiming.h"
#include "DialogBenches.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char kLibrary[] = "library";
const char kPlain[] = "plain";
// A showing comes up in well under a second; a process still running after
// this has hung.
const DWORD kLongestRun = 60000;

std::wstring co_Widen(const char* text)
{
    return std::wstring(text, text + std::strlen(text));
}

// What the process wrote until it ended, or was ended for hanging.
std::string co_RunAndRead(std::wstring commandLine)
{
    wchar_t program[MAX_PATH] = {};
    if (!GetModuleFileNameW(nullptr, program, MAX_PATH))
        return {};
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE reading = nullptr, writing = nullptr;
    if (!CreatePipe(&reading, &writing, &inheritable, 0))
        return {};
    SetHandleInformation(reading, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writing;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    commandLine = L"\"" + std::wstring(program) + L"\" " + commandLine;
    const BOOL started =
        CreateProcessW(program, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writing);
    std::string output;
    if (started) {
        if (WaitForSingleObject(process.hProcess, kLongestRun) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 1);
        char buffer[256];
        DWORD read = 0;
        while (ReadFile(reading, buffer, sizeof buffer, &read, nullptr) && read > 0)
            output.append(buffer, read);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(reading);
    return output;
}

} // namespace

double f_TimeInFreshProcess(const char* name, bool library)
{
    const std::string output =
        co_RunAndRead(L"--cold " + co_Widen(name) + L" " + co_Widen(library ? kLibrary : kPlain));
    char* end = nullptr;
    const double milliseconds = std::strtod(output.c_str(), &end);
    return end == output.c_str() ? -1 : milliseconds;
}

int i_RunColdShowing(const char* name, const char* side)
{
    const DialogShowing* showing = pcso_FindShowing(name);
    const bool library = std::strcmp(side, kLibrary) == 0;
    if (!showing || (!library && std::strcmp(side, kPlain) != 0)) {
        std::fprintf(stderr, "DialogsBench: no cold showing \"%s\" by \"%s\"\n", name, side);
        return 2;
    }
    BenchModules modules;
    if (!b_LoadBenchModules(&modules)) {
        v_FreeBenchModules(&modules);
        return 1;
    }
    const HWND host = CreateWindowExW(0, L"STATIC", L"DialogsBench", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                      CW_USEDEFAULT, 400, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    v_Drain();
    const double milliseconds = library ? showing->library(modules) : showing->plain(modules);
    std::printf("%.6f\n", milliseconds);
    std::fflush(stdout);
    if (host)
        DestroyWindow(host);
    v_FreeBenchModules(&modules);
    return milliseconds < 0 ? 1 : 0;
}
