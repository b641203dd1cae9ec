// A program that the link tests open through the shell. Each run appends one
// line to the file that LINK_TRACE_FILE names, so a test sees that the shell
// really started it, and how often.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"LINK_TRACE_FILE", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 2;
    DWORD written = 0;
    WriteFile(file, "opened\n", 7, &written, nullptr);
    CloseHandle(file);
    return 0;
}
