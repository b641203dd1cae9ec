// A host's Tip of the Day at start-up. The library keeps nothing between
// runs: the host keeps the tip shown last and the start-up choice, here in
// tips.ini beside the program.
#include "resources.h"

#include <Dialogs/Dialogs.h>

#include <string>

namespace {

std::wstring settingsFile()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring program(path);
    return program.substr(0, program.find_last_of(L'\\') + 1) + L"tips.ini";
}

class TipApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        const std::wstring file = settingsFile();
        // The first run shows tips, starting with tip 0 (after "tip" 0xFFFFFFFF).
        int showAtStartup = GetPrivateProfileIntW(L"Tips", L"ShowAtStartup", 1, file.c_str());
        unsigned lastTip = GetPrivateProfileIntW(L"Tips", L"LastTip", -1, file.c_str());
        if (!showAtStartup)
            return FALSE;

        CT_TipoftheDayDialog::st_Parameters tips;
        tips.h_Instance = m_hInstance;   // the caption (string 10200) and the tips
        tips.n_FirstTip = IDS_TIP_FIRST;
        tips.n_LastTip = IDS_TIP_LAST;
        CT_TipoftheDayDialog::sv_Show(&tips, &showAtStartup, &lastTip);

        // Both come back however the box was closed; the check box is read
        // only when the user pressed OK.
        WritePrivateProfileStringW(L"Tips", L"ShowAtStartup", showAtStartup ? L"1" : L"0", file.c_str());
        WritePrivateProfileStringW(L"Tips", L"LastTip", std::to_wstring(lastTip).c_str(), file.c_str());
        return FALSE;
    }
};

TipApp theApp;

} // namespace
