#include "DemoActions.h"
#include "Dialogs.h"
#include "LexorinUILanguageMgr.h"

#include <string>

namespace {

std::wstring languageName(unsigned language)
{
    CT_Language::et_Primary primary = CT_Language::ep_None;
    CT_Language::et_Sub sub = CT_Language::es_None;
    CT_Language::sv_GetLanguages(language, &primary, &sub);
    CT_UString name;
    CT_Language::sv_MakeLanguageString(&name, primary, sub);
    return name.qcuz_Get();
}

} // namespace

// The library leaves the switch to its host: the dialogs opened from now on
// come up in the chosen language. The demo's own texts stay English.
void v_DemoChooseLanguage(HWND mainWindow)
{
    CT_UILanguageMgr* manager = CT_UILanguageMgr::spco_GetUILanguageMgr();
    const unsigned current = manager->n_GetLanguage();
    unsigned chosen = current;
    if (!CT_LanguageDialog::sb_Show(&chosen, TRUE, TRUE) || chosen == current)
        return;
    std::wstring message;
    if (manager->b_SetLanguage(chosen))
        message = L"The library's dialogs now come up in " + languageName(chosen) + L".";
    else
        message = L"The library has no dialogs in " + languageName(chosen) + L"; they stay in " +
                  languageName(current) + L".";
    MessageBoxW(mainWindow, message.c_str(), L"Dialogs demo", MB_OK | MB_ICONINFORMATION);
}
