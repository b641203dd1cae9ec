#include <afxwin.h>

#include "SplashHost.h"

#include <Dialogs/Dialogs.h>

#include <set>

namespace {

const wchar_t kHostClass[] = L"SplashTestHost";
int g_presses = 0;

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN || message == WM_KEYDOWN)
        ++g_presses;
    return DefWindowProcW(window, message, wParam, lParam);
}

std::set<UINT_PTR>& firedYardsticks()
{
    static std::set<UINT_PTR> fired;
    return fired;
}

std::set<UINT_PTR>& liveYardsticks()
{
    static std::set<UINT_PTR> live;
    return live;
}

void CALLBACK onYardstick(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    firedYardsticks().insert(timer);
}

BOOL CALLBACK matchSplash(HWND window, LPARAM found)
{
    const CT_UString* name = CT_BigBitmap::spcco_GetClassName();
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    if (name && lstrcmpW(className, name->qcuz_Get()) == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HostWindow::HostWindow()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = hostProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kHostClass;
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, kHostClass, L"Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 150, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    g_presses = 0;
}

HostWindow::~HostWindow()
{
    if (window_)
        DestroyWindow(window_);
}

int HostWindow::pressesReceived() const
{
    return g_presses;
}

bool HostLoop::handleOne()
{
    MSG message;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        return false;
    // The system may hand the procedure over as a handle of its own, so the
    // splash's timer is the thread timer that is not a yardstick.
    if (message.message == WM_TIMER && !message.hwnd && !liveYardsticks().count(message.wParam))
        ++splashTicks_;
    if (!CT_SplashWindow::sb_PreTranslateAppMessage(&message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

bool HostLoop::runUntil(const std::function<bool()>& done)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > 30000)
            return false;
        if (!handleOne())
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

void HostLoop::drain()
{
    while (handleOne()) {
    }
}

Yardstick::Yardstick(UINT milliseconds) : timer_(SetTimer(nullptr, 0, milliseconds, onYardstick))
{
    liveYardsticks().insert(timer_);
}

Yardstick::~Yardstick()
{
    if (!fired())
        KillTimer(nullptr, timer_);
    firedYardsticks().erase(timer_);
    liveYardsticks().erase(timer_);
}

bool Yardstick::fired() const
{
    return firedYardsticks().count(timer_) != 0;
}

HWND findSplashWindow()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), matchSplash, reinterpret_cast<LPARAM>(&found));
    return found;
}
