#include "DemoActions.h"

#include "DemoLanguage.h"

// Menu entry i takes its text from string IDS_DEMO_ACTION_FIRST + i.
const DemoAction g_DemoActions[] = {
    {L"Library &identity", v_DemoShowIdentity},
    {L"Choose a &folder...", v_DemoChooseFolder},
    {L"&Tip of the Day...", v_DemoShowTipOfTheDay},
    {L"&About...", v_DemoShowAbout},
    {L"&Language...", v_DemoChooseLanguage},
    {L"&Controls...", v_DemoShowControls},
    {nullptr, nullptr},
};

void v_DemoTell(HWND mainWindow, const wchar_t* message)
{
    MessageBoxW(mainWindow, message, co_DemoTitle().c_str(), MB_OK | MB_ICONINFORMATION);
}
