// A host's About box: its version and build, its product picture and its
// texts, all from the program's own resources (about.rc).
#include "resources.h"

#include <Dialogs/Dialogs.h>

namespace {

class AboutApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        CT_AboutDialog::st_Parameters about;
        about.co_Version.v_Set(L"2.1", static_cast<unsigned>(-1));
        about.n_Build = 57;
        about.h_Instance = m_hInstance;           // the product pictures
        about.h_ResourceInstance = m_hInstance;   // strings 10007, 10010, 10011 and 10012
        about.n_Bitmap16Colors = IDB_PRODUCT16;
        about.n_Bitmap = IDB_PRODUCT256;
        // No web address: the product picture opens string 10011. String
        // 10006 comes from the application's language module; this host sets
        // none, so it comes from the program too.
        CT_AboutDialog::sb_Show(&about);          // TRUE after OK; nothing to do either way
        return FALSE;                             // no main window: the program ends
    }
};

AboutApp theApp;

} // namespace
