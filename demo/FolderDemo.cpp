#include <afxwin.h>

#include "DemoActions.h"
#include "DemoLanguage.h"
#include "DemoTexts.h"

#include <Dialogs/Dialogs.h>
#include <objbase.h>

#include <cwchar>
#include <string>

namespace {

// The folder chosen last in this session; the next browse starts there.
CT_UString& co_LastFolder()
{
    static CT_UString folder;
    return folder;
}

} // namespace

void v_DemoChooseFolder(HWND mainWindow)
{
    // The shell's dialog needs the thread set up for it; the library leaves that to its host.
    const bool comReady = SUCCEEDED(CoInitialize(nullptr));
    const CT_UString title(
        co_DemoText(IDS_DEMO_FOLDER_TITLE, L"Choose a folder. The demo remembers it and starts there next time.")
            .c_str());
    CT_SelectDirectory chooser(&title, &co_LastFolder(), nullptr);
    std::wstring message;
    if (chooser.b_Browse()) {
        co_LastFolder() = *chooser.pco_GetResult();
        message = co_DemoText(IDS_DEMO_FOLDER_CHOSEN, L"You chose") + L"\n" + chooser.pco_GetResult()->qcuz_Get();
    } else {
        message = co_DemoText(IDS_DEMO_FOLDER_NONE, L"No folder was chosen.");
    }
    if (comReady)
        CoUninitialize();
    v_DemoTell(mainWindow, message.c_str());
}
