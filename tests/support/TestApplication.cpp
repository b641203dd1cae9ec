#include "TestApplication.h"

#include <gtest/gtest.h>

#include <stdlib.h>

BOOL CTestApplication::InitInstance()
{
    // The runtime's wide start-up has split the command line already.
    int argc = __argc;
    testing::InitGoogleTest(&argc, __wargv);
    return TRUE;
}

int CTestApplication::Run()
{
    const int result = RUN_ALL_TESTS();
    ExitInstance();
    return result;
}

void CTestApplication::DoWaitCursor(int nCode)
{
    waitCursorCalls.push_back(nCode);
    CWinApp::DoWaitCursor(nCode);
}

LRESULT CTestApplication::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    ++wndProcExceptions;
    return CWinApp::ProcessWndProcException(e, pMsg);
}

CTestApplication& testApp()
{
    return *static_cast<CTestApplication*>(AfxGetApp());
}
