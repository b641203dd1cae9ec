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

// The demo's application object: it starts as every framework application
// does, through the framework's wWinMain (mfc_main).
class CDemoApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        v_PrintIdentity();
        int count = 0;
        wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
        if (count >= 2 && wcscmp(arguments[1], L"--print") == 0)
            n_Result = 0;
        else if (count >= 2 && wcscmp(arguments[1], L"--tour") == 0)
            n_Result = count >= 3 ? i_RunDemoTour(m_hInstance, arguments[2]) : 2;
        else
            b_Interactive = b_StartInteractive();
        LocalFree(arguments);
        // Without the interactive window there is nothing to pump: the
        // program ends with ExitInstance.
        return b_Interactive;
    }

    // The splash sees the keys and clicks that end it before any window.
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (CT_SplashWindow::sb_PreTranslateAppMessage(pMsg))
            return TRUE;
        return CWinApp::PreTranslateMessage(pMsg);
    }

    int ExitInstance() override
    {
        const int code = CWinApp::ExitInstance();
        v_DemoLeaveLanguages();
        return b_Interactive ? code : n_Result;
    }

private:
    bool b_StartInteractive()
    {
        v_DemoShowSplash(m_hInstance);
        HWND window = h_DemoCreateMainWindow(m_hInstance, m_nCmdShow);
        if (!window) {
            CT_SplashWindow::sv_Kill();
            n_Result = 1;
            return false;
        }
        v_DemoJoinLanguages(window);
        CT_SplashWindow::sv_Hide();
        v_DemoShowTipAtStartup(window);
        return true;
    }

    bool b_Interactive = false;
    int n_Result = 0;
};

CDemoApp theApp;

} // namespace
