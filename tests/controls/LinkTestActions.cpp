#include "LinkTestActions.h"

void setURL(CT_HttpLink& link, const std::wstring& target)
{
    const CT_UString url(target.c_str());
    link.v_SetURL(&url);
}

namespace {

bool g_ButtonUpTaken = false;

LRESULT CALLBACK watchButtonUp(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == WM_LBUTTONUP)
        g_ButtonUpTaken = true;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

void clickWithPointer(HWND window, POINT offset)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    // Each event carries the point itself: a pointer warp of an earlier step
    // can come back from the display server late and move the pointer
    // elsewhere between a move and a press.
    const int x = rect.left + offset.x, y = rect.top + offset.y;
    const LONG dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    const LONG dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    const DWORD events[] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN,
                            MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP};
    INPUT input[3] = {};
    for (int i = 0; i < 3; ++i) {
        input[i].type = INPUT_MOUSE;
        input[i].mi.dx = dx;
        input[i].mi.dy = dy;
        input[i].mi.dwFlags = MOUSEEVENTF_ABSOLUTE | events[i];
    }
    // The input goes the long way round through the display server; a step
    // that followed at once (a button pressed, a dialog ended) could overtake
    // it on a busy machine. So the click is taken here, before returning.
    g_ButtonUpTaken = false;
    HHOOK hook = SetWindowsHookExW(WH_MOUSE, watchButtonUp, nullptr, GetCurrentThreadId());
    SendInput(3, input, sizeof(INPUT));
    const DWORD giveUp = GetTickCount() + 10000;
    MSG message;
    while (hook && !g_ButtonUpTaken && static_cast<LONG>(giveUp - GetTickCount()) > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        while (!g_ButtonUpTaken && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (hook)
        UnhookWindowsHookEx(hook);
}

void notifyClick(HWND parent, HWND item)
{
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(item), STN_CLICKED), reinterpret_cast<LPARAM>(item));
}
