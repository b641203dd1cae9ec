// The About box as a host shows it: the demo's own texts and pictures, its
// version and the library's build.
#include "AboutResources.h"
#include "DemoActions.h"
#include "Dialogs.h"

void v_DemoShowAbout(HWND)
{
    // The small print comes from the application's language module. The demo
    // has none of its own, so its program stands in, unless a module is set.
    const HINSTANCE demo = GetModuleHandleW(nullptr);
    AFX_MODULE_STATE* state = AfxGetAppModuleState();
    if (!state->m_appLangDLL)
        state->m_appLangDLL = demo;

    CT_AboutDialog::st_Parameters parameters;
    parameters.co_Version.v_Set(L"7.0.1", static_cast<unsigned>(-1));
    parameters.n_Build = CT_DialogsDLLMain::sn_GetBuild();
    parameters.h_Instance = demo;
    parameters.h_ResourceInstance = demo;
    parameters.n_Bitmap16Colors = IDB_DEMO_PRODUCT16;
    parameters.n_Bitmap = IDB_DEMO_PRODUCT256;
    // No web address: the product picture opens string 10011.
    CT_AboutDialog::sb_Show(&parameters);
}
