#include <afxwin.h>

#include "DemoActions.h"
#include "DemoLanguage.h"
#include "DemoTexts.h"

#include <Dialogs/Dialogs.h>
#include <cwchar>

void v_DemoShowIdentity(HWND mainWindow)
{
    const std::wstring format =
        co_DemoText(IDS_DEMO_IDENTITY, L"Dialogs.dll version %u, build %u\nmodule handle %p\nmodule file %ls");
    wchar_t text[2048];
    swprintf(text, sizeof text / sizeof text[0], format.c_str(), CT_DialogsDLLMain::sn_GetVersion(),
             CT_DialogsDLLMain::sn_GetBuild(), static_cast<void*>(CT_DialogsDLLMain::sh_GetInstance()),
             CT_DialogsDLLMain::spcco_GetModuleName()->qcuz_Get());
    v_DemoTell(mainWindow, text);
}
