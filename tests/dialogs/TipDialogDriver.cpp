#include "TipDialogDriver.h"

namespace {

BOOL CALLBACK findDialog(HWND window, LPARAM found)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// A box that is still up this many ticks after the action is closed, so that
// a fault fails the test instead of hanging it.
const int kTicksToClose = 500;

} // namespace

TipDialogDriver* TipDialogDriver::current_ = nullptr;

TipDialogDriver::TipDialogDriver(std::function<void(HWND)> action) : action_(std::move(action))
{
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 10, onTimer);
}

TipDialogDriver::~TipDialogDriver()
{
    if (timer_)
        KillTimer(nullptr, timer_);
    current_ = nullptr;
}

void CALLBACK TipDialogDriver::onTimer(HWND, UINT, UINT_PTR, DWORD)
{
    TipDialogDriver* self = current_;
    if (!self)
        return;
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog)
        return;
    if (!self->acted_) {
        self->acted_ = true;
        self->dialog_ = dialog;
        self->action_(dialog);
    } else if (++self->ticksSinceAction_ == kTicksToClose) {
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    }
}

std::wstring windowText(HWND window)
{
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

std::wstring itemText(HWND dialog, int id)
{
    return windowText(GetDlgItem(dialog, id));
}

bool isChecked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void click(HWND dialog, int id)
{
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void repaint(HWND dialog)
{
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

COLORREF itemPixel(HWND dialog, int id, int x, int y)
{
    HWND item = GetDlgItem(dialog, id);
    HDC dc = GetDC(item);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(item, dc);
    return pixel;
}
