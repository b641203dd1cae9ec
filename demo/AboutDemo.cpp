// The About box as a host shows it: the demo's own texts and pictures, its
// version and the library's build.
#include <afxwin.h>
#include <afxstat_.h>

#include "AboutResources.h"
#include "DemoActions.h"
#include "DemoLanguage.h"

#include <Dialogs/Dialogs.h>

void v_DemoShowAbout(HWND)
{
    // The small print comes from the application's language module, the
    // other texts from the text module named here: both are the demo's
    // module of the current language. The pictures are the program's own.
    const HINSTANCE demo = GetModuleHandleW(nullptr);
    const HINSTANCE texts = h_DemoTexts();
    AfxGetAppModuleState()->m_appLangDLL = texts;

    CT_AboutDialog::st_Parameters parameters;
    parameters.co_Version.v_Set(L"7.0.1", static_cast<unsigned>(-1));
    parameters.n_Build = CT_DialogsDLLMain::sn_GetBuild();
    parameters.h_Instance = demo;
    parameters.h_ResourceInstance = texts;
    parameters.n_Bitmap16Colors = IDB_DEMO_PRODUCT16;
    parameters.n_Bitmap = IDB_DEMO_PRODUCT256;
    // No web address: the product picture opens string 10011.
    CT_AboutDialog::sb_Show(&parameters);
}
