// The application object: one per process, with the thread's message pump
// and the program's start-up.
#include "WndInternal.h"
#include "../AfxGlobals.h"

#include <afxdiag.h>
#include <cstdlib>

namespace {

CWinApp* currentApp = nullptr;

// The application's wait cursor: how many are showing, and the cursor that
// comes back with the last.
int waitCursorCount = 0;
HCURSOR hcurWaitRestore = nullptr;

CString moduleBaseName()
{
    WCHAR path[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    LPCWSTR name = path;
    for (LPCWSTR p = path; *p; ++p) {
        if (*p == L'\\' || *p == L'/')
            name = p + 1;
    }
    CString result(name);
    const int dot = result.ReverseFind(L'.');
    return dot > 0 ? result.Left(dot) : result;
}

} // namespace

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
    : m_pMainWnd(nullptr), m_nThreadID(GetCurrentThreadId()), _m_msgCur(), m_ptCursorLast(), m_nMsgLast(0)
{
}

CWinThread::~CWinThread() = default;

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::Run()
{
    bool bIdle = true;
    LONG lIdleCount = 0;
    MSG peek;
    for (;;) {
        while (bIdle && !PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = false;
        }
        if (!PumpMessage())
            return ExitInstance();
        if (IsIdleMessage(&_m_msgCur)) {
            bIdle = true;
            lIdleCount = 0;
        }
    }
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (!pMsg || !pMsg->hwnd)
        return FALSE;
    CWnd* pMainWnd = GetMainWnd();
    return CWnd::_WalkPreTranslateTree(pMainWnd ? pMainWnd->m_hWnd : nullptr, pMsg);
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
        AfxIdleDeleteTemps();
    return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    return AfxIsIdleMessageAt(pMsg, m_ptCursorLast, m_nMsgLast);
}

int CWinThread::ExitInstance()
{
    return static_cast<int>(_m_msgCur.wParam);
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

// A program has one application object; a second one stops the program, as
// the framework's debug build does, rather than going unnoticed.
CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(nullptr), m_hInstance(AfxGetInstanceHandle()), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL)
{
    m_strAppName = lpszAppName ? CString(lpszAppName) : moduleBaseName();
    m_pszAppName = m_strAppName;
    CAfxGlobalsLock lock;
    if (currentApp) {
        OutputDebugStringW(L"CWinApp: a program has only one application object\n");
        abort();
    }
    currentApp = this;
}

CWinApp::~CWinApp()
{
    CAfxGlobalsLock lock;
    if (currentApp == this)
        currentApp = nullptr;
}

BOOL CWinApp::_InitApplication()
{
    return TRUE;
}

void CWinApp::DoWaitCursor(int nCode)
{
    CAfxGlobalsLock lock;
    HCURSOR hcurWait = LoadCursorW(nullptr, IDC_WAIT);
    if (nCode > 0) {
        HCURSOR hcurPrevious = SetCursor(hcurWait);
        if (waitCursorCount++ == 0)
            hcurWaitRestore = hcurPrevious;
    } else if (nCode < 0) {
        if (waitCursorCount > 0 && --waitCursorCount == 0)
            SetCursor(hcurWaitRestore);
    } else if (waitCursorCount > 0) {
        SetCursor(hcurWait);
    }
}

CWinApp* AFXAPI AfxGetApp()
{
    CAfxGlobalsLock lock;
    return currentApp;
}

CWinThread* AFXAPI AfxGetThread()
{
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->m_nThreadID == GetCurrentThreadId() ? pApp : nullptr;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread ? pThread->GetMainWnd() : nullptr;
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return FALSE;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    pApp->m_nThreadID = GetCurrentThreadId();
    return TRUE;
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        return -1;
    if (!pApp->_InitApplication() || !pApp->InitInstance()) {
        if (pApp->m_pMainWnd)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}
