#include "TabWalk.h"

#include "TopDownDib.h"

#include <utility>

namespace {

// The box's pixels over the item's window, one pixel wider on every side.
std::vector<COLORREF> looksOf(HWND dialog, int id)
{
    RECT area = {};
    GetWindowRect(GetDlgItem(dialog, id), &area);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
    InflateRect(&area, 1, 1);
    const int width = area.right - area.left, height = area.bottom - area.top;
    void* bits = nullptr;
    HDC screen = GetDC(dialog);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateTopDownDib32(screen, width, height, &bits);
    std::vector<COLORREF> pixels;
    if (picture && bits) {
        HGDIOBJ previous = SelectObject(memory, picture);
        BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        SelectObject(memory, previous);
        const auto* first = static_cast<const COLORREF*>(bits);
        pixels.assign(first, first + width * height);
    }
    if (picture)
        DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(dialog, screen);
    return pixels;
}

} // namespace

TabWalk::TabWalk(std::vector<int> ids, int presses) : ids_(std::move(ids)), presses_(presses)
{
}

std::vector<DialogDriver::Step> TabWalk::steps()
{
    std::vector<DialogDriver::Step> steps;
    steps.push_back([this](HWND dialog) { note(dialog); });
    for (int i = 0; i < presses_; ++i) {
        steps.push_back([](HWND) { pressKey(VK_TAB); });
        steps.push_back([this](HWND dialog) { note(dialog); });
    }
    return steps;
}

void TabWalk::note(HWND dialog)
{
    UpdateWindow(dialog);
    const HWND focus = GetFocus();
    int focusedId = 0;
    std::vector<std::vector<COLORREF>> looks;
    for (int id : ids_) {
        if (GetDlgItem(dialog, id) == focus)
            focusedId = id;
        looks.push_back(looksOf(dialog, id));
    }
    focused_.push_back(focusedId);
    if (pushButtons_.empty())
        for (int id : ids_)
            pushButtons_.push_back((SendDlgItemMessageW(dialog, id, WM_GETDLGCODE, 0, 0) &
                                    (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0);
    looks_.push_back(looks);
}

// A push button away from the focus loses the default frame to a push
// button that has it, so its looks without the focus may differ.
std::string TabWalk::focusFaults() const
{
    std::string faults;
    for (size_t item = 0; item < ids_.size(); ++item) {
        std::vector<const std::vector<COLORREF>*> withFocus, without;
        for (size_t stop = 0; stop < looks_.size(); ++stop) {
            if (focused_[stop] != ids_[item])
                without.push_back(&looks_[stop][item]);
            else if (stop > 0)
                withFocus.push_back(&looks_[stop][item]);
        }
        const std::string name = "item " + std::to_string(ids_[item]);
        if (withFocus.empty() || without.empty()) {
            faults += name + " was not walked both into and out of; ";
            continue;
        }
        for (const std::vector<COLORREF>* look : withFocus)
            if (*look != *withFocus.front())
                faults += name + " looks different each time it has the focus; ";
        for (const std::vector<COLORREF>* look : without) {
            if (*look == *withFocus.front())
                faults += name + " shows no focus; ";
            if (!pushButtons_[item] && *look != *without.front())
                faults += name + " looks different after the focus has left; ";
        }
    }
    return faults;
}

void pressKey(WORD key)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}
