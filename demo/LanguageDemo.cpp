#include <afxwin.h>

#include "DemoActions.h"
#include "DemoLanguage.h"
#include "DemoTexts.h"
#include "LexorinUILanguageMgr.h"

#include <Dialogs/Dialogs.h>
#include <cwchar>
#include <string>

namespace {

std::wstring co_LanguageName(unsigned language)
{
    CT_Language::et_Primary primary = CT_Language::ep_None;
    CT_Language::et_Sub sub = CT_Language::es_None;
    CT_Language::sv_GetLanguages(language, &primary, &sub);
    CT_UString name;
    CT_Language::sv_MakeLanguageString(&name, primary, sub);
    return name.qcuz_Get();
}

} // namespace

// The manager switches the library and the demo together; the demo's main
// window hears of it and rebuilds its menu in the new language.
BOOL b_DemoSwitchLanguage(unsigned language)
{
    return CT_UILanguageMgr::spco_GetUILanguageMgr()->b_SetLanguage(language);
}

void v_DemoChooseLanguage(HWND mainWindow)
{
    const unsigned current = CT_UILanguageMgr::spco_GetUILanguageMgr()->n_GetLanguage();
    unsigned chosen = current;
    if (!CT_LanguageDialog::sb_Show(&chosen, TRUE, TRUE) || chosen == current || b_DemoSwitchLanguage(chosen))
        return;
    const std::wstring format =
        co_DemoText(IDS_DEMO_LANGUAGE_MISSING, L"There are no texts in %ls; the user interface stays in %ls.");
    wchar_t message[512];
    swprintf(message, sizeof message / sizeof message[0], format.c_str(), co_LanguageName(chosen).c_str(),
             co_LanguageName(current).c_str());
    v_DemoTell(mainWindow, message);
}
