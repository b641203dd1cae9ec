#include "BrowseWindowWatcher.h"

#include <commctrl.h>

namespace {

struct Search {
    HWND found = nullptr;
};

BOOL CALLBACK findDialog(HWND window, LPARAM data)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    reinterpret_cast<Search*>(data)->found = window;
    return FALSE;
}

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

std::wstring itemText(HWND tree, HTREEITEM item)
{
    wchar_t text[MAX_PATH] = {};
    TVITEMW query = {};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = text;
    query.cchTextMax = MAX_PATH;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
    return text;
}

HTREEITEM nextItem(HWND tree, UINT relation, HTREEITEM from)
{
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from)));
}

BrowseWindowView read(HWND dialog)
{
    BrowseWindowView view;
    view.opened = true;
    HWND tree = FindWindowExW(dialog, nullptr, WC_TREEVIEWW, nullptr);
    if (tree) {
        for (HTREEITEM item = nextItem(tree, TVGN_CARET, nullptr); item; item = nextItem(tree, TVGN_PARENT, item))
            view.selection.push_back(itemText(tree, item));
        if (HTREEITEM top = nextItem(tree, TVGN_ROOT, nullptr))
            view.top = itemText(tree, top);
    }
    EnumChildWindows(dialog, collectStaticText, reinterpret_cast<LPARAM>(&view.texts));
    return view;
}

} // namespace

BrowseWindowWatcher::BrowseWindowWatcher(DWORD threadId, int button)
    : threadId_(threadId), button_(button), thread_(&BrowseWindowWatcher::run, this)
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
        Search search;
        EnumThreadWindows(threadId_, findDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            view_ = read(search.found);
            PostMessageW(search.found, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(search.found, button_)));
            return;
        }
        Sleep(20);
    }
}
