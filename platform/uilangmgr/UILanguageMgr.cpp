#include "LexorinUILanguageMgr.h"

namespace {

const unsigned kEnglishUnitedStates = 0x0409;

bool moduleExists(const CT_UILanguageSwitch* pSwitch, unsigned language)
{
    CT_UString path;
    pSwitch->v_MakeModulePath(&path, language);
    if (path.vn_GetLength() == 0)
        return false;
    const DWORD attributes = GetFileAttributesW(path.qcuz_Get());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The caller has seen the module exist.
HINSTANCE loadModule(const CT_UILanguageSwitch* pSwitch, unsigned language)
{
    CT_UString path;
    pSwitch->v_MakeModulePath(&path, language);
    if (path.vn_GetLength() == 0)
        return nullptr;
    // Resource modules hold no code; no error box for a damaged file.
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HINSTANCE module = LoadLibraryW(path.qcuz_Get());
    SetErrorMode(previousMode);
    return module;
}

// Every identifier of the language table, in table order.
template <typename F> void forEachLanguage(F f)
{
    for (unsigned p = 1; p <= CT_Language::sn_GetPrimaryCount(); ++p) {
        const auto primary = static_cast<CT_Language::et_Primary>(p);
        unsigned count = CT_Language::sn_GetSubCount(primary);
        if (count == 0)
            count = 1;
        for (unsigned i = 1; i <= count; ++i) {
            const unsigned id = CT_Language::sn_MakeLanguageID(primary, CT_Language::seo_GetSubAt(primary, i));
            if (id != 0 && !f(id))
                return;
        }
    }
}

} // namespace

CT_UILanguageMgr* CT_UILanguageMgr::spco_GetUILanguageMgr()
{
    static CT_UILanguageMgr manager;
    return &manager;
}

CT_UILanguageMgr::CT_UILanguageMgr()
    : ppco_Switches(nullptr), n_SwitchCount(0), n_SwitchCapacity(0), co_Languages(sizeof(unsigned)),
      n_Language(0), b_LanguageChosen(FALSE)
{
}

CT_UILanguageMgr::~CT_UILanguageMgr()
{
    // Switches still registered at process end keep their modules: the
    // system frees them with the process.
    delete[] ppco_Switches;
}

void CT_UILanguageMgr::v_Register(CT_UILanguageSwitch* pSwitch)
{
    if (!pSwitch)
        return;
    for (unsigned i = 0; i < n_SwitchCount; ++i)
        if (ppco_Switches[i] == pSwitch)
            return;
    if (n_SwitchCount == n_SwitchCapacity) {
        const unsigned capacity = n_SwitchCapacity ? n_SwitchCapacity * 2 : 8;
        auto** switches = new CT_UILanguageSwitch*[capacity];
        for (unsigned i = 0; i < n_SwitchCount; ++i)
            switches[i] = ppco_Switches[i];
        delete[] ppco_Switches;
        ppco_Switches = switches;
        n_SwitchCapacity = capacity;
    }
    ppco_Switches[n_SwitchCount++] = pSwitch;
    const unsigned previous = n_Language;
    v_UpdateLanguages();
    if (n_Language == previous) {
        v_LoadModule(pSwitch, n_Language);
        return;
    }
    for (unsigned i = 0; i < n_SwitchCount; ++i)
        v_LoadModule(ppco_Switches[i], n_Language);
}

void CT_UILanguageMgr::v_Unregister(CT_UILanguageSwitch* pSwitch)
{
    for (unsigned i = 0; i < n_SwitchCount; ++i) {
        if (ppco_Switches[i] != pSwitch)
            continue;
        for (unsigned j = i + 1; j < n_SwitchCount; ++j)
            ppco_Switches[j - 1] = ppco_Switches[j];
        --n_SwitchCount;
        pSwitch->vv_SetResourceHandle(nullptr, 0);
        v_UpdateLanguages();
        return;
    }
}

const CT_VoidArray* CT_UILanguageMgr::pcco_GetLanguages() const
{
    return &co_Languages;
}

unsigned CT_UILanguageMgr::n_GetLanguage() const
{
    return n_Language;
}

unsigned CT_UILanguageMgr::n_GetSwitchCount() const
{
    return n_SwitchCount;
}

int CT_UILanguageMgr::b_SetLanguage(unsigned language)
{
    if (!co_Languages.n_Find(&language))
        return FALSE;
    n_Language = language;
    b_LanguageChosen = TRUE;
    for (unsigned i = 0; i < n_SwitchCount; ++i)
        v_LoadModule(ppco_Switches[i], language);
    return TRUE;
}

void CT_UILanguageMgr::v_UpdateLanguages()
{
    co_Languages.v_RemoveAll();
    if (n_SwitchCount == 0)
        return;
    forEachLanguage([this](unsigned id) {
        for (unsigned i = 0; i < n_SwitchCount; ++i)
            if (!moduleExists(ppco_Switches[i], id))
                return true;
        co_Languages.b_Append(&id);
        return true;
    });

    if (b_LanguageChosen || co_Languages.n_GetCount() == 0)
        return;
    // Until the host chooses, follow the user's language where possible.
    unsigned preferred = GetUserDefaultUILanguage();
    if (!co_Languages.n_Find(&preferred))
        preferred = kEnglishUnitedStates;
    if (!co_Languages.n_Find(&preferred))
        preferred = *static_cast<const unsigned*>(co_Languages.pcv_GetAt(0));
    n_Language = preferred;
}

// Loads the switch's module of `language`; a switch without that module takes
// another variant of the same language, else English (United States), so
// that its texts still show.
void CT_UILanguageMgr::v_LoadModule(CT_UILanguageSwitch* pSwitch, unsigned language)
{
    unsigned chosen = 0;
    if (language && moduleExists(pSwitch, language)) {
        chosen = language;
    } else if (language) {
        forEachLanguage([&](unsigned id) {
            if (PRIMARYLANGID(id) == PRIMARYLANGID(language) && moduleExists(pSwitch, id)) {
                chosen = id;
                return false;
            }
            return true;
        });
    }
    if (!chosen && moduleExists(pSwitch, kEnglishUnitedStates))
        chosen = kEnglishUnitedStates;

    if (chosen == pSwitch->n_GetLanguage() && pSwitch->h_GetResourceHandle())
        return;
    HINSTANCE module = chosen ? loadModule(pSwitch, chosen) : nullptr;
    pSwitch->vv_SetResourceHandle(module, chosen);
}
