// A host application of Dialogs.dll: a main window whose menu shows each of
// the library's dialogs.
//   DialogsDemo.exe                  the splash, then the main window
//   DialogsDemo.exe --print          print the library's identity and leave
//   DialogsDemo.exe --tour FOLDER    show every dialog in turn and write a
//                                    PNG screen shot of each into FOLDER
#include <afxwin.h>

#include "DemoActions.h"
#include "DemoHost.h"
#include "DemoLanguage.h"
#include "tour/DemoTour.h"

#include <Dialogs/Dialogs.h>
#include <cstdio>
#include <cwchar>

namespace {

void v_PrintIdentity()
{
    std::printf("Dialogs.dll version %u, build %u, module %ls\n", CT_DialogsDLLMain::sn_GetVersion(),
                CT_DialogsDLLMain::sn_GetBuild(), CT_DialogsDLLMain::spcco_GetModuleName()->qcuz_Get());
    std::fflush(stdout);
}

int i_RunInteractive(HINSTANCE instance, int show)
{
    v_DemoShowSplash(instance);
    HWND window = h_DemoCreateMainWindow(instance, show);
    if (!window) {
        CT_SplashWindow::sv_Kill();
        return 1;
    }
    v_DemoJoinLanguages(window);
    CT_SplashWindow::sv_Hide();
    v_DemoShowTipAtStartup(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (CT_SplashWindow::sb_PreTranslateAppMessage(&message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show)
{
    v_PrintIdentity();
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    int result = 0;
    if (count >= 2 && wcscmp(arguments[1], L"--print") == 0)
        result = 0;
    else if (count >= 2 && wcscmp(arguments[1], L"--tour") == 0)
        result = count >= 3 ? i_RunDemoTour(instance, arguments[2]) : 2;
    else
        result = i_RunInteractive(instance, show);
    v_DemoLeaveLanguages();
    LocalFree(arguments);
    return result;
}
