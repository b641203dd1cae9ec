#include "OpenTrace.h"

#include <afxwin.h>
#include <afxdiag.h>

namespace {

std::wstring programFolder()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

} // namespace

OpenTrace::OpenTrace()
{
    wchar_t folder[MAX_PATH] = {};
    wchar_t file[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"lnk", 0, file);
    path_ = file;
    DeleteFileW(file);
    SetEnvironmentVariableW(L"LINK_TRACE_FILE", file);
}

OpenTrace::~OpenTrace()
{
    SetEnvironmentVariableW(L"LINK_TRACE_FILE", nullptr);
    DeleteFileW(path_.c_str());
}

std::wstring OpenTrace::target()
{
    return programFolder() + L"link_trace.exe";
}

std::wstring OpenTrace::missingTarget()
{
    return programFolder() + L"no such folder\\no such file.exe";
}

int OpenTrace::runs() const
{
    HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    char buffer[256];
    DWORD read = 0;
    int lines = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read)
        for (DWORD i = 0; i < read; ++i)
            lines += buffer[i] == '\n';
    CloseHandle(file);
    return lines;
}

int OpenTrace::waitForRuns(int count) const
{
    for (int i = 0; i < 600 && runs() < count; ++i) {
        pumpMessages();
        Sleep(50);
    }
    return runs();
}

void pumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (AfxPreTranslateMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
