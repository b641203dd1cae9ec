// A host application of Dialogs.dll. For now it loads the library and shows
// what the library says of itself.
#include "Dialogs.h"

#include <cstdio>
#include <cwchar>

namespace {

void v_DescribeLibrary(wchar_t* text, size_t size)
{
    swprintf(text, size,
             L"Dialogs.dll version %u, build %u\r\nmodule handle %p\r\nmodule file %ls",
             CT_DialogsDLLMain::sn_GetVersion(), CT_DialogsDLLMain::sn_GetBuild(),
             static_cast<void*>(CT_DialogsDLLMain::sh_GetInstance()),
             CT_DialogsDLLMain::spcco_GetModuleName()->qcuz_Get());
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int)
{
    wchar_t text[2048];
    v_DescribeLibrary(text, sizeof text / sizeof text[0]);
    std::printf("%ls\n", text);
    std::fflush(stdout);
    if (wcsstr(commandLine, L"--print"))
        return 0;
    MessageBoxW(nullptr, text, L"Dialogs demo", MB_OK | MB_ICONINFORMATION);
    return 0;
}
