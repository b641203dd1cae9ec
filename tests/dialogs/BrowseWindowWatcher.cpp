#include "BrowseWindowWatcher.h"

#include "ShownDialog.h"

#include <commctrl.h>

namespace {

BOOL CALLBACK collectStaticText(HWND child, LPARAM data)
{
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (lstrcmpiW(name, L"Static") == 0 && IsWindowVisible(child)) {
        wchar_t text[512] = {};
        GetWindowTextW(child, text, 512);
        reinterpret_cast<std::vector<std::wstring>*>(data)->push_back(text);
    }
    return TRUE;
}

BrowseWindowView read(HWND dialog)
{
    BrowseWindowView view;
    view.opened = true;
    HWND tree = FindWindowExW(dialog, nullptr, WC_TREEVIEWW, nullptr);
    if (tree) {
        for (HTREEITEM item = treeItem(tree, TVGN_CARET, nullptr); item; item = treeItem(tree, TVGN_PARENT, item))
            view.selection.push_back(treeItemText(tree, item));
        if (HTREEITEM top = treeItem(tree, TVGN_ROOT, nullptr))
            view.top = treeItemText(tree, top);
    }
    EnumChildWindows(dialog, collectStaticText, reinterpret_cast<LPARAM>(&view.texts));
    return view;
}

} // namespace

BrowseWindowWatcher::BrowseWindowWatcher(DWORD threadId, int button, bool expectSelection)
    : threadId_(threadId), button_(button), expectSelection_(expectSelection), thread_(&BrowseWindowWatcher::run, this)
{
}

BrowseWindowWatcher::~BrowseWindowWatcher()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

BrowseWindowView BrowseWindowWatcher::finish()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    return view_;
}

// Gives up after a minute so that a dialog that never comes does not keep the
// thread; a dialog that does come is always closed.
void BrowseWindowWatcher::run()
{
    for (int round = 0; round < 3000 && !stop_; ++round) {
        const HWND dialog = findShownDialog(threadId_);
        if (dialog) {
            // The dialog's thread answers a sent message only from its message
            // loop, so once this returns its start-up (the library's callback
            // and the selection it asks for) is over; then wait for the tree to
            // settle, since the shell may still be filling it in.
            DWORD_PTR answer = 0;
            SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);
            view_ = read(dialog);
            for (int settle = 0; settle < 500; ++settle) {
                Sleep(20);
                BrowseWindowView again = read(dialog);
                const bool same = again.selection == view_.selection && again.top == view_.top;
                view_ = std::move(again);
                if (same && (!expectSelection_ || !view_.selection.empty()))
                    break;
            }
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, button_)));
            return;
        }
        Sleep(20);
    }
}
