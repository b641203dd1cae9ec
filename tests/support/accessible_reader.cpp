// A screen reader in a process of its own: writes what it is told of the
// client area of the window whose handle (a decimal number) it is given,
// as ScreenReader::readFromAnotherProcess reads it: the result of getting
// the object, role and state (hexadecimal) on the first line, then the name,
// value and default action, one line each, in UTF-8.
#include "ScreenReader.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string utf8(const std::wstring& text)
{
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                         &bytes[0], static_cast<int>(bytes.size()), nullptr,
                                                         nullptr)));
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const AccessibleView view = readAccessible(reinterpret_cast<HWND>(std::strtoul(argv[1], nullptr, 10)));
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%lx %lx %lx\n", static_cast<unsigned long>(view.found),
                  static_cast<unsigned long>(view.role), static_cast<unsigned long>(view.state));
    const std::string told =
        numbers + utf8(view.name) + "\n" + utf8(view.value) + "\n" + utf8(view.defaultAction) + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), told.data(), static_cast<DWORD>(told.size()), &written, nullptr);
    CoUninitialize();
    return 0;
}
