#include "LinkTestActions.h"

void setURL(CT_HttpLink& link, const std::wstring& target)
{
    const CT_UString url(target.c_str());
    link.v_SetURL(&url);
}

void clickWithPointer(HWND window, POINT offset)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    SetCursorPos(rect.left + offset.x, rect.top + offset.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}

void notifyClick(HWND parent, HWND item)
{
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(item), STN_CLICKED), reinterpret_cast<LPARAM>(item));
}
