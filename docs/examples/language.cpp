// A host whose own texts follow the user-interface language. It registers a
// switch of its own with the UI-language manager, which then keeps its
// module of the current language (languageENU.dll, languageDEU.dll beside
// the program) in step with the library's. The user chooses a language; the
// host switches the library and itself to it.
#include "resources.h"

#include <Dialogs/Dialogs.h>
#include <Dialogs/LexorinUILanguageMgr.h>

#include <string>

namespace {

std::wstring programFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring program(path);
    return program.substr(0, program.find_last_of(L'\\') + 1);
}

class LanguageApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        const CT_UString folder(programFolder().c_str());
        const CT_UString name(L"language");
        texts.v_Initialize(&folder, &name);
        CT_UILanguageMgr* manager = CT_UILanguageMgr::spco_GetUILanguageMgr();
        // From now on only languages that the host has texts in are offered.
        manager->v_Register(&texts);

        const unsigned current = manager->n_GetLanguage();
        unsigned chosen = current;
        if (CT_LanguageDialog::sb_Show(&chosen, TRUE, TRUE) && chosen != current && manager->b_SetLanguage(chosen))
            // The library's dialogs and the host's module are in the new language now.
            MessageBoxW(nullptr, text(IDS_LANGUAGE_NOW).c_str(), text(IDS_LANGUAGE_TITLE).c_str(), MB_OK);

        manager->v_Unregister(&texts);
        return FALSE;
    }

private:
    // String `id` of the host's module of the current language.
    std::wstring text(unsigned id) const
    {
        CT_UString loaded;
        CT_LoadString::sv_LoadString(&loaded, texts.h_GetResourceHandle(), id);
        return loaded.qcuz_Get();
    }

    CT_DLLSwitch texts;
};

LanguageApp theApp;

} // namespace
