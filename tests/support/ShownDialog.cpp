#include "ShownDialog.h"

namespace {

struct DialogSearch {
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK takeDialog(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<DialogSearch*>(data);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    if (search->caption && windowText(window) != search->caption)
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

HWND findShownDialog(DWORD threadId, const wchar_t* caption)
{
    DialogSearch search = {caption, nullptr};
    EnumThreadWindows(threadId, takeDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
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

void pressOK(HWND dialog)
{
    click(dialog, IDOK);
}

void pressEscape(HWND dialog)
{
    HWND focus = GetFocus();
    if (!focus || (focus != dialog && !IsChild(dialog, focus)))
        focus = dialog;
    PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 1);
}

void pressCloseBox(HWND dialog)
{
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
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

HTREEITEM treeItem(HWND tree, UINT relation, HTREEITEM from)
{
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from)));
}

std::wstring treeItemText(HWND tree, HTREEITEM item)
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
