// A host of Dialogs.dll: reads the library's identity and fills a parameter
// record of the About box, then prints what it found. A framework
// application, as every host is, started by the framework's wWinMain.
#include <Dialogs/Dialogs.h>
#include <Dialogs/LexorinUILanguageMgr.h>
#include <Dialogs/TemplateIds.h>

#include <cstdio>

#ifndef UNICODE
#error "the package's target gives its hosts UTF-16 text"
#endif

namespace {

void v_PrintFindings()
{
    CT_AboutDialog::st_Parameters parameters;
    parameters.co_Version.v_Set(L"7.0.1", static_cast<unsigned>(-1));
    parameters.n_Build = CT_DialogsDLLMain::sn_GetBuild();
    parameters.h_Instance = CT_DialogsDLLMain::sh_GetInstance();

    CT_AboutDialog::st_Parameters copy;
    copy = parameters;
    const CT_UString* module = CT_DialogsDLLMain::spcco_GetModuleName();
    std::printf("Dialogs %u, build %u\n", CT_DialogsDLLMain::sn_GetVersion(), copy.n_Build);
    std::printf("About version text: %ls\n", copy.co_Version.qcuz_Get());
    std::printf("library loaded: %s\n", copy.h_Instance && module && module->vn_GetLength() ? "yes" : "no");
    std::printf("About template: %d\n", IDD_ABOUT_DIALOG);
    std::printf("host: %u-bit\n", static_cast<unsigned>(sizeof(void*) * 8));
}

class CConsumerApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        v_PrintFindings();
        return FALSE;   // no main window: the program ends
    }
};

CConsumerApp theApp;

} // namespace
