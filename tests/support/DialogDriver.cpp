#include "DialogDriver.h"

#include "ShownDialog.h"

namespace {

// Ticks of the timer (10 ms each, at the least) that a box may stay up
// after the last step before it is closed, and that a box may take to show
// or to go once closed before the loop is ended.
const int kTicksToClose = 500;
const int kTicksToGiveUp = 2000;

} // namespace

DialogDriver* DialogDriver::current_ = nullptr;

DialogDriver::DialogDriver(Step action) : DialogDriver(nullptr, std::vector<Step>{std::move(action)})
{
}

DialogDriver::DialogDriver(std::vector<Step> steps) : DialogDriver(nullptr, std::move(steps))
{
}

DialogDriver::DialogDriver(const wchar_t* caption, Step action)
    : DialogDriver(caption, std::vector<Step>{std::move(action)})
{
}

DialogDriver::DialogDriver(const wchar_t* caption, std::vector<Step> steps)
    : steps_(std::move(steps)), caption_(caption)
{
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 10, onTimer);
}

DialogDriver::~DialogDriver()
{
    if (timer_)
        KillTimer(nullptr, timer_);
    current_ = nullptr;
    MSG message;
    if (gaveUp_)
        PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

void CALLBACK DialogDriver::onTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (current_)
        current_->tick();
}

// A step that handles messages while it waits (for a reader on another
// thread, say) sees the timer tick too; the next step waits for it to end.
void DialogDriver::tick()
{
    if (gaveUp_ || inStep_)
        return;
    HWND box = findShownDialog(GetCurrentThreadId(), caption_);
    if (!box) {
        if (!shown_ && ++ticks_ == kTicksToGiveUp)
            giveUp();
        return;
    }
    if (!shown_) {
        shown_ = true;
        ticks_ = 0;
    }
    if (next_ < steps_.size()) {
        dialog_ = box;
        inStep_ = true;
        steps_[next_++](box);
        inStep_ = false;
        return;
    }
    ++ticks_;
    if (ticks_ == kTicksToClose) {
        closed_ = true;
        PostMessageW(box, WM_CLOSE, 0, 0);
    } else if (ticks_ == kTicksToClose + kTicksToGiveUp) {
        giveUp();
    }
}

void DialogDriver::giveUp()
{
    gaveUp_ = true;
    PostQuitMessage(0);
}
