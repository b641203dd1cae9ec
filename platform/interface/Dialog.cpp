#include "LexorinInterface.h"

namespace {

BOOL CALLBACK b_SetChildFont(HWND child, LPARAM font)
{
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

} // namespace

CT_Dialog::CT_Dialog(int flags)
    : n_Flags(flags), h_Instance(nullptr), h_Window(nullptr), pco_MessageWindow(nullptr)
{
}

CT_Dialog::~CT_Dialog() = default;

HWND CT_Dialog::h_GetDialogWindow() const
{
    return h_Window;
}

HINSTANCE CT_Dialog::h_GetInstance() const
{
    return h_Instance;
}

void CT_Dialog::v_InitDialog(HINSTANCE hInstance, HWND hWnd, CT_MessageWindow* pMessageWindow)
{
    h_Instance = hInstance;
    h_Window = hWnd;
    pco_MessageWindow = pMessageWindow;
}

void CT_Dialog::v_SetFont(HFONT hFont)
{
    if (!IsWindow(h_Window))
        return;
    EnumChildWindows(h_Window, b_SetChildFont, reinterpret_cast<LPARAM>(hFont));
}
