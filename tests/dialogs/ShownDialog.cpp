#include "ShownDialog.h"

namespace {

BOOL CALLBACK takeDialog(HWND window, LPARAM found)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

} // namespace

HWND findShownDialog(DWORD threadId)
{
    HWND dialog = nullptr;
    EnumThreadWindows(threadId, takeDialog, reinterpret_cast<LPARAM>(&dialog));
    return dialog;
}
