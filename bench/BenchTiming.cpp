#include "BenchTiming.h"

#include <algorithm>
#include <cwchar>
#include <vector>

namespace {

double f_Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The modal dialog being timed. When it becomes visible a message is posted
// to it; the modal loop takes that message before any paint, and then every
// paint still pending is done at once. (Activation is no sign of it: a
// dialog that sets its focus is activated while still hidden.)
struct ModalTiming {
    HHOOK sending = nullptr;
    HHOOK retrieval = nullptr;
    HWND dialog = nullptr;
    double painted = -1;
};

ModalTiming g_Modal;
const UINT kPaintNow = WM_APP + 0x51;

bool b_IsDialog(HWND window)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return wcscmp(name, L"#32770") == 0 && !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD);
}

bool b_IsShowing(const CWPSTRUCT& message)
{
    return message.message == WM_WINDOWPOSCHANGED &&
           (reinterpret_cast<const WINDOWPOS*>(message.lParam)->flags & SWP_SHOWWINDOW);
}

LRESULT CALLBACK i_OnSend(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && !g_Modal.dialog && b_IsShowing(*message) && b_IsDialog(message->hwnd)) {
        g_Modal.dialog = message->hwnd;
        PostMessageW(g_Modal.dialog, kPaintNow, 0, 0);
    }
    return CallNextHookEx(g_Modal.sending, code, wParam, lParam);
}

LRESULT CALLBACK i_OnGetMessage(int code, WPARAM removed, LPARAM lParam)
{
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removed == PM_REMOVE && message->message == kPaintNow &&
        message->hwnd == g_Modal.dialog && g_Modal.painted < 0) {
        RedrawWindow(g_Modal.dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        g_Modal.painted = f_Now();
        PostMessageW(g_Modal.dialog, WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(g_Modal.retrieval, code, removed, lParam);
}

} // namespace

double f_Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * counter.QuadPart / frequency.QuadPart;
}

void v_Drain()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::vector<double> v_MediansOfRounds(int rounds, const std::vector<BenchSide>& sides, bool warmUp)
{
    const size_t count = sides.size();
    std::vector<std::vector<double>> times(count);
    if (warmUp) {
        for (const BenchSide& side : sides)
            side();
    }
    for (int round = 0; round < rounds; ++round) {
        for (size_t i = 0; i < count; ++i) {
            const size_t side = (static_cast<size_t>(round) + i) % count;
            times[side].push_back(sides[side]());
        }
    }
    std::vector<double> medians;
    for (const std::vector<double>& side : times) {
        const bool failed = side.empty() || *std::min_element(side.begin(), side.end()) < 0;
        medians.push_back(failed ? -1 : f_Median(side));
    }
    return medians;
}

double f_TimeModalDialog(const std::function<void()>& show)
{
    g_Modal = ModalTiming();
    g_Modal.sending = SetWindowsHookExW(WH_CALLWNDPROC, i_OnSend, nullptr, GetCurrentThreadId());
    g_Modal.retrieval = SetWindowsHookExW(WH_GETMESSAGE, i_OnGetMessage, nullptr, GetCurrentThreadId());
    const double start = f_Now();
    show();
    UnhookWindowsHookEx(g_Modal.retrieval);
    UnhookWindowsHookEx(g_Modal.sending);
    const double painted = g_Modal.painted;
    v_Drain();
    return painted < 0 ? -1 : painted - start;
}
