// The Tip of the Day as a host shows it. The library keeps nothing, so the
// demo keeps the tip shown last and the start-up choice in a file of its own.
#include <afxwin.h>

#include "DemoActions.h"
#include "DemoHost.h"
#include "DemoLanguage.h"
#include "TipResources.h"

#include <Dialogs/Dialogs.h>
#include <cwchar>
#include <string>

std::wstring co_DemoSettingsFile()
{
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH);
    const std::wstring base = length && length < MAX_PATH ? std::wstring(folder) + L"\\" : co_DemoProgramFolder();
    return base + L"DialogsDemo.ini";
}

namespace {

const wchar_t kSection[] = L"Tip of the Day";

struct TipSettings {
    int b_ShowAtStartup;
    unsigned n_LastTip;
};

// A first run shows tips at start-up and begins with tip 0.
TipSettings so_ReadSettings()
{
    const std::wstring file = co_DemoSettingsFile();
    TipSettings settings;
    settings.b_ShowAtStartup = GetPrivateProfileIntW(kSection, L"ShowAtStartup", 1, file.c_str()) != 0;
    settings.n_LastTip = GetPrivateProfileIntW(kSection, L"LastTip", -1, file.c_str());
    return settings;
}

void v_WriteSettings(const TipSettings& settings)
{
    const std::wstring file = co_DemoSettingsFile();
    wchar_t number[16];
    WritePrivateProfileStringW(kSection, L"ShowAtStartup", settings.b_ShowAtStartup ? L"1" : L"0", file.c_str());
    swprintf(number, 16, L"%u", settings.n_LastTip);
    WritePrivateProfileStringW(kSection, L"LastTip", number, file.c_str());
}

} // namespace

void v_DemoShowTipOfTheDay(HWND)
{
    CT_TipoftheDayDialog::st_Parameters tips;
    tips.h_Instance = h_DemoTexts();
    tips.n_FirstTip = IDS_DEMO_TIP_FIRST;
    tips.n_LastTip = IDS_DEMO_TIP_LAST;
    TipSettings settings = so_ReadSettings();
    CT_TipoftheDayDialog::sv_Show(&tips, &settings.b_ShowAtStartup, &settings.n_LastTip);
    v_WriteSettings(settings);
}

void v_DemoShowTipAtStartup(HWND mainWindow)
{
    if (so_ReadSettings().b_ShowAtStartup)
        v_DemoShowTipOfTheDay(mainWindow);
}
