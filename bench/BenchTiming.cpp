#include "BenchTiming.h"

#include <algorithm>
#include <cwchar>
#include <vector>

namespace {

// The modal dialog being timed. A thread message posted before the show call
// is the first message its modal loop takes, once the dialog is made and
// initialised and before the loop would show it. The dialog is then shown as
// the loop shows it, painted with all its items at once, and cancelled.
// (Activation is no sign of the dialog being shown: one that sets its focus
// is activated while still hidden.) The hook runs for that one message
// only: Wine calls every hook through its server, so one that watched sent
// messages or window events would add to both sides' times.
struct ModalTiming {
    HHOOK retrieval = nullptr;
    double painted = -1;
};

ModalTiming g_Modal;
const UINT kPaintNow = WM_APP + 0x51;

BOOL CALLBACK b_FindDialog(HWND window, LPARAM found)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (wcscmp(name, L"#32770") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

LRESULT CALLBACK i_OnGetMessage(int code, WPARAM removed, LPARAM lParam)
{
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removed == PM_REMOVE && message->message == kPaintNow && !message->hwnd &&
        g_Modal.painted < 0) {
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), b_FindDialog, reinterpret_cast<LPARAM>(&dialog));
        if (dialog) {
            ShowWindow(dialog, SW_SHOWNORMAL);
            RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            g_Modal.painted = f_Now();
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        }
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

BenchTimes vv_RunRounds(int rounds, const std::vector<BenchSide>& sides, bool warmUp)
{
    const size_t count = sides.size();
    BenchTimes times(count);
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
    return times;
}

double f_Median(std::vector<double> times)
{
    if (times.empty())
        return -1;
    std::sort(times.begin(), times.end());
    return times.front() < 0 ? -1 : times[times.size() / 2];
}

double f_TimeModalDialog(const std::function<void()>& show)
{
    g_Modal = ModalTiming();
    g_Modal.retrieval = SetWindowsHookExW(WH_GETMESSAGE, i_OnGetMessage, nullptr, GetCurrentThreadId());
    PostThreadMessageW(GetCurrentThreadId(), kPaintNow, 0, 0);
    const double start = f_Now();
    show();
    UnhookWindowsHookEx(g_Modal.retrieval);
    const double painted = g_Modal.painted;
    v_Drain();
    return painted < 0 ? -1 : painted - start;
}
