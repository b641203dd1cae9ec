// A program that starts the framework's way: wWinMain from mfc_main runs
// this application object through AfxWinMain. Its exit code tells the app
// test what went wrong: 0 when all went as it should.
#include <afxwin.h>

#include <wchar.h>
#include <afxdiag.h>

namespace {

enum Problem {
    kNotPreTranslated = 1,   // a message reached its window before PreTranslateMessage
    kMainWindowKept = 2,     // the main window's destruction left m_pMainWnd
    kQuitCode = 4,           // the pump ended with another code than the main window's 0
    kStartUp = 8,            // AfxWinInit did not record the start-up arguments
    kWindowsLeft = 16,       // window objects were left in the map
};
const int kInitFailed = 3;
const UINT WM_HOST_WORK = WM_APP + 1;

class CHostApp;
CHostApp& hostApp();

// The main window: deletes itself with its window.
class CHostWnd : public CWnd {
protected:
    void PostNcDestroy() override { delete this; }
    afx_msg LRESULT OnWork(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostWnd, CWnd)
    ON_MESSAGE(WM_HOST_WORK, &CHostWnd::OnWork)
END_MESSAGE_MAP()

class CHostApp : public CWinApp {
public:
    bool workPreTranslated = false;
    int problems = 0;
    bool initFailed = false;

    BOOL InitInstance() override
    {
        if (!m_lpCmdLine || m_hInstance != GetModuleHandleW(nullptr) || m_nCmdShow < 0)
            problems |= kStartUp;
        if (m_lpCmdLine && wcsstr(m_lpCmdLine, L"second"))
            CWinApp second;   // stops the program
        if (m_lpCmdLine && wcsstr(m_lpCmdLine, L"fail")) {
            initFailed = true;
            return FALSE;
        }
        CHostWnd* pWnd = new CHostWnd;
        if (!pWnd->CreateEx(0, AfxRegisterWndClass(0), L"Host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100), nullptr,
                            0))
            return FALSE;
        m_pMainWnd = pWnd;
        pWnd->PostMessage(WM_HOST_WORK);
        return TRUE;
    }

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_HOST_WORK)
            workPreTranslated = true;
        return CWinApp::PreTranslateMessage(pMsg);
    }

    int ExitInstance() override
    {
        const int code = CWinApp::ExitInstance();
        if (initFailed)
            return kInitFailed;
        if (code != 0)
            problems |= kQuitCode;
        if (m_pMainWnd)
            problems |= kMainWindowKept;
        if (AfxDiagGetPermanentWindowCount() != 0)
            problems |= kWindowsLeft;
        return problems;
    }
};

CHostApp theApp;

CHostApp& hostApp()
{
    return theApp;
}

// Closing the main window ends the program.
LRESULT CHostWnd::OnWork(WPARAM, LPARAM)
{
    if (!hostApp().workPreTranslated)
        hostApp().problems |= kNotPreTranslated;
    PostMessage(WM_CLOSE);
    return 0;
}

} // namespace
