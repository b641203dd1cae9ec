// The application object of a test program. The program starts as every
// host of the library does, through the framework's wWinMain (mfc_main);
// the application runs the program's GoogleTest tests, and their result is
// the program's exit code.
#pragma once

#include <afxwin.h>

#include <vector>

class CTestApplication : public CWinApp {
public:
    explicit CTestApplication(LPCTSTR lpszAppName = nullptr) : CWinApp(lpszAppName) {}

    // Hands the command line to GoogleTest (--gtest_filter and the like).
    BOOL InitInstance() override;
    // Runs the tests instead of a message pump: 0 when all passed.
    int Run() override;
    // Notes each call, then shows the cursor as the framework does.
    void DoWaitCursor(int nCode) override;
    // Counts the exceptions that a window's handler let through, then ends
    // them as the framework does.
    LRESULT ProcessWndProcException(CException* e, const MSG* pMsg) override;

    // The nCode of every DoWaitCursor call so far.
    std::vector<int> waitCursorCalls;
    // How many exceptions reached ProcessWndProcException: one that the
    // library meant to keep to itself got out.
    unsigned wndProcExceptions = 0;
};

// The running test program's application object.
CTestApplication& testApp();
