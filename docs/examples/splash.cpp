// A host that shows its splash while it starts. The splash sees every
// message the application is about to dispatch: a key or a mouse button
// pressed in any of the host's windows closes it at once.
#include "resources.h"

#include <Dialogs/Dialogs.h>

namespace {

class SplashApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        CT_SplashWindow::st_Parameters splash;
        splash.h_Instance = m_hInstance;        // the program holds the picture
        splash.n_Bitmap = IDB_SPLASH;
        splash.n_Seconds = 2;                   // up at least this long
        splash.n_TextCount = 1;                 // ten at the most
        splash.aso_Text[0].i_X = 20;            // client pixels of the picture
        splash.aso_Text[0].i_Y = 220;
        splash.aso_Text[0].co_Text.v_Set(L"Starting the example host...", static_cast<unsigned>(-1));
        CT_SplashWindow::sv_Show(&splash);      // copies the record

        // The host's start-up work goes here; then its main window.
        const LPCTSTR windowClass = AfxRegisterWndClass(0, LoadCursorW(nullptr, IDC_ARROW),
                                                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        if (!mainWindow.CreateEx(0, windowClass, L"Splash example", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CW_USEDEFAULT, CW_USEDEFAULT, 480, 320, nullptr, nullptr)) {
            CT_SplashWindow::sv_Kill();         // closes it now
            return FALSE;
        }
        m_pMainWnd = &mainWindow;
        CT_SplashWindow::sv_Hide();             // ready: it goes once its minimum time is over
        return TRUE;
    }

    // A message the splash takes (TRUE) has closed it and is not dispatched;
    // every other one goes on as usual.
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (CT_SplashWindow::sb_PreTranslateAppMessage(pMsg))
            return TRUE;
        return CWinApp::PreTranslateMessage(pMsg);
    }

private:
    CWnd mainWindow;   // closing it ends the program
};

SplashApp theApp;

} // namespace
