#include "Hover.h"

void hover(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    RECT client = {};
    GetClientRect(item, &client);
    SendMessageW(item, WM_MOUSEMOVE, 0, MAKELPARAM(client.right / 2, client.bottom / 2));
    SendMessageW(item, WM_MOUSEMOVE, 0, MAKELPARAM(client.right + 20, client.bottom + 20));
    SetFocus(item);
    SetFocus(GetDlgItem(dialog, IDOK));
}
