// A host that asks for a folder, starting in its current folder, and tells
// the user which one was chosen.
#include <Dialogs/Dialogs.h>
#include <objbase.h>

namespace {

class FolderApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        // The shell's dialog needs a thread set up for the component model;
        // the library leaves that to its host.
        if (FAILED(CoInitialize(nullptr)))
            return FALSE;
        wchar_t current[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, current);

        const CT_UString title(L"Where shall the reports go?");   // the chooser keeps this pointer
        const CT_UString start(current);                          // copied
        CT_SelectDirectory chooser(&title, &start, nullptr);      // no root: the whole desktop
        if (chooser.b_Browse())
            MessageBoxW(nullptr, chooser.pco_GetResult()->qcuz_Get(), L"Reports go to", MB_OK);
        CoUninitialize();
        return FALSE;
    }
};

FolderApp theApp;

} // namespace
