#include "DialogDriver.h"

#include "ShownDialog.h"

namespace {

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
    HWND dialog = findShownDialog(GetCurrentThreadId());
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
