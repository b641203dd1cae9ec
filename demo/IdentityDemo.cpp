#include "DemoActions.h"
#include "Dialogs.h"

#include <cwchar>

void v_DemoShowIdentity(HWND mainWindow)
{
    wchar_t text[2048];
    swprintf(text, sizeof text / sizeof text[0],
             L"Dialogs.dll version %u, build %u\nmodule handle %p\nmodule file %ls",
             CT_DialogsDLLMain::sn_GetVersion(), CT_DialogsDLLMain::sn_GetBuild(),
             static_cast<void*>(CT_DialogsDLLMain::sh_GetInstance()),
             CT_DialogsDLLMain::spcco_GetModuleName()->qcuz_Get());
    MessageBoxW(mainWindow, text, L"Dialogs demo", MB_OK | MB_ICONINFORMATION);
}
