// The application object: its pump pre-translates every message before
// dispatching it, deletes temporary objects when idle, ends with WM_QUIT;
// the main window owns modal dialogs and ends the pump when destroyed; and
// a program started by AfxWinMain runs it all.
#include "../ModuleTestSupport.h"
#include "DialogDriver.h"
#include "TestApplication.h"
#include "TestDialogIds.h"
#include "WndTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>
#include <afxdiag.h>

namespace {

const UINT WM_TEST_WORK = WM_APP + 30;
const UINT WM_TEST_SWALLOWED = WM_APP + 31;

// This program's application object: the test application, watched.
class CTestApp : public CTestApplication {
public:
    CTestApp() : CTestApplication(L"Window test") {}

    std::vector<MSG> preTranslated;
    std::vector<int> tempsAfterIdle;
    bool quitWhenIdle = false;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        preTranslated.push_back(*pMsg);
        if (pMsg->message == WM_TEST_SWALLOWED)
            return TRUE;
        return CTestApplication::PreTranslateMessage(pMsg);
    }

    BOOL OnIdle(LONG lCount) override
    {
        const BOOL more = CTestApplication::OnIdle(lCount);
        tempsAfterIdle.push_back(AfxDiagGetTempWindowCount());
        if (quitWhenIdle) {
            quitWhenIdle = false;
            PostQuitMessage(7);
        }
        return more;
    }
};

CTestApp theApp;

// Does its work when asked, noting what the pump had done by then.
class CWorker : public CWnd {
public:
    int work = 0;
    int swallowed = 0;
    size_t preTranslatedAtWork = 0;
    HWND hWndToWrap = nullptr;
    int tempsDuringWork = -1;

    BOOL create()
    {
        return CreateEx(0, AfxRegisterWndClass(0), L"Worker", WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100), nullptr,
                        0);
    }

protected:
    afx_msg LRESULT OnWork(WPARAM, LPARAM)
    {
        ++work;
        preTranslatedAtWork = theApp.preTranslated.size();
        if (hWndToWrap && CWnd::FromHandle(hWndToWrap))
            tempsDuringWork = AfxDiagGetTempWindowCount();
        return 0;
    }
    afx_msg LRESULT OnSwallowed(WPARAM, LPARAM)
    {
        ++swallowed;
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWorker, CWnd)
    ON_MESSAGE(WM_TEST_WORK, &CWorker::OnWork)
    ON_MESSAGE(WM_TEST_SWALLOWED, &CWorker::OnSwallowed)
END_MESSAGE_MAP()

class Application : public ::testing::Test {
protected:
    void SetUp() override
    {
        theApp.preTranslated.clear();
        theApp.tempsAfterIdle.clear();
        theApp.m_pMainWnd = nullptr;
        ASSERT_TRUE(worker.create());
    }
    void TearDown() override
    {
        theApp.m_pMainWnd = nullptr;
        MSG msg;
        PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

    bool preTranslatedBefore(UINT message, HWND hWnd, size_t count) const
    {
        for (size_t i = 0; i < count && i < theApp.preTranslated.size(); ++i) {
            if (theApp.preTranslated[i].message == message && theApp.preTranslated[i].hwnd == hWnd)
                return true;
        }
        return false;
    }

    CWorker worker;
};

TEST_F(Application, TheApplicationIsFoundAndIsTheThreadOfItsOwnThreadOnly)
{
    EXPECT_EQ(AfxGetApp(), &theApp);
    EXPECT_EQ(AfxGetThread(), &theApp);
    EXPECT_STREQ(theApp.m_pszAppName, L"Window test");
    theApp.m_pMainWnd = &worker;
    EXPECT_EQ(AfxGetMainWnd(), &worker);

    CWinThread* pOtherThread = &theApp;
    CWnd* pOtherMain = &worker;
    std::thread other([&] {
        pOtherThread = AfxGetThread();
        pOtherMain = AfxGetMainWnd();
    });
    other.join();
    EXPECT_EQ(pOtherThread, nullptr);
    EXPECT_EQ(pOtherMain, nullptr);
}

TEST_F(Application, ThePumpPreTranslatesEachMessageBeforeDispatchingIt)
{
    worker.PostMessage(WM_TEST_WORK);
    worker.PostMessage(WM_TEST_SWALLOWED);
    theApp.quitWhenIdle = true;
    EXPECT_EQ(theApp.CWinApp::Run(), 7) << "the exit code of WM_QUIT";

    EXPECT_EQ(worker.work, 1);
    EXPECT_TRUE(preTranslatedBefore(WM_TEST_WORK, worker.m_hWnd, worker.preTranslatedAtWork));
    EXPECT_EQ(worker.swallowed, 0) << "a message taken in PreTranslateMessage is not dispatched";
}

TEST_F(Application, TemporaryObjectsAreGoneAfterIdle)
{
    PlainWindow plain;
    ASSERT_NE(CWnd::FromHandle(plain.handle()), nullptr);
    worker.hWndToWrap = plain.handle();
    worker.PostMessage(WM_TEST_WORK);
    theApp.quitWhenIdle = true;
    theApp.CWinApp::Run();

    EXPECT_EQ(worker.tempsDuringWork, 1);
    ASSERT_FALSE(theApp.tempsAfterIdle.empty());
    for (int count : theApp.tempsAfterIdle)
        EXPECT_EQ(count, 0);
    EXPECT_EQ(AfxDiagGetTempWindowCount(), 0);
}

TEST_F(Application, TheMainWindowOwnsModalDialogsAndTheAppPreTranslatesForThem)
{
    ResourceSettingsGuard settings;
    LoadedModule dialogs(L"MfcTestDialogs.dll");
    ASSERT_TRUE(dialogs.loaded());
    AfxSetResourceHandle(dialogs.handle());
    worker.ShowWindow(SW_SHOW);
    theApp.m_pMainWnd = &worker;

    CDialog dlg(IDD_PLAIN);
    HWND owner = nullptr;
    HWND hDialog = nullptr;
    DialogDriver driver(L"Plain Test", [&](HWND hWnd) {
        hDialog = hWnd;
        owner = GetWindow(hWnd, GW_OWNER);
        PostMessageW(hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(owner, worker.m_hWnd);
    EXPECT_TRUE(preTranslatedBefore(WM_KEYDOWN, hDialog, theApp.preTranslated.size()));
}

TEST_F(Application, QuittingDuringAModalLoopReachesTheOuterLoop)
{
    ResourceSettingsGuard settings;
    LoadedModule dialogs(L"MfcTestDialogs.dll");
    ASSERT_TRUE(dialogs.loaded());
    AfxSetResourceHandle(dialogs.handle());

    CDialog dlg(IDD_PLAIN);
    DialogDriver driver(L"Plain Test", [](HWND) { PostQuitMessage(3); });
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    MSG msg = {};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(Application, DestroyingTheMainWindowEndsThePump)
{
    theApp.m_pMainWnd = &worker;
    worker.DestroyWindow();
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    MSG msg = {};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
}

// A program beside this one, run with the given command line; its exit
// code, or -1 when it cannot be run or does not end.
DWORD runProgram(const wchar_t* program, const wchar_t* arguments)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring host(path);
    host = host.substr(0, host.find_last_of(L"\\/") + 1) + program;
    std::wstring commandLine = L"\"" + host + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(host.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return static_cast<DWORD>(-1);
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, static_cast<UINT>(-1));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

DWORD runHost(const wchar_t* arguments)
{
    return runProgram(L"mfc_app_host.exe", arguments);
}

// abort()'s exit code.
const DWORD kStopped = 3;

TEST(ApplicationStart, AfxWinMainRunsTheApplicationUntilItsMainWindowCloses)
{
    EXPECT_EQ(runHost(L"run"), 0u);
    EXPECT_EQ(runHost(L"fail"), 3u) << "a failed InitInstance ends with ExitInstance's result";
}

TEST(ApplicationStart, ASecondApplicationObjectStopsTheProgram)
{
    EXPECT_EQ(runHost(L"second"), kStopped);
}

TEST_F(Application, TheWaitCursorGoesThroughTheApplication)
{
    theApp.waitCursorCalls.clear();
    worker.BeginWaitCursor();
    worker.RestoreWaitCursor();
    worker.EndWaitCursor();
    EXPECT_EQ(theApp.waitCursorCalls, (std::vector<int>{1, 0, -1}));
}

TEST(ApplicationStart, AWaitCursorWithoutAnApplicationStopsTheProgram)
{
    EXPECT_EQ(runProgram(L"mfc_no_app.exe", L""), kStopped);
}

} // namespace
