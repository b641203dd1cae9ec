#include "LexorinUILanguageMgr.h"

#include <string>

CT_UILanguageSwitch::CT_UILanguageSwitch()
    : h_ResourceHandle(nullptr), n_Language(0)
{
}

CT_UILanguageSwitch::~CT_UILanguageSwitch()
{
    // A switch that dies registered must not stay behind in the manager.
    CT_UILanguageMgr::spco_GetUILanguageMgr()->v_Unregister(this);
    vv_SetResourceHandle(nullptr, 0);
}

void CT_UILanguageSwitch::v_Initialize(const CT_UString* folder, const CT_UString* name)
{
    co_Folder.v_Set(folder);
    co_Name.v_Set(name);
}

const CT_UString* CT_UILanguageSwitch::pcco_GetFolder() const
{
    return &co_Folder;
}

const CT_UString* CT_UILanguageSwitch::pcco_GetName() const
{
    return &co_Name;
}

void CT_UILanguageSwitch::v_MakeModulePath(CT_UString* path, unsigned language) const
{
    CT_UString code;
    CT_Language::sv_GetModuleCode(&code, language);
    if (code.vn_GetLength() == 0 || co_Name.vn_GetLength() == 0) {
        path->v_Set(nullptr, 0);
        return;
    }
    const unsigned folderLength = co_Folder.vn_GetLength();
    const wchar_t last = folderLength ? co_Folder.u_GetAt(folderLength - 1) : L'\\';
    const bool needsSeparator = last != L'\\' && last != L'/';
    std::wstring text = co_Folder.qcuz_Get();
    if (needsSeparator)
        text += L'\\';
    text += co_Name.qcuz_Get();
    text += code.qcuz_Get();
    text += L".dll";
    path->v_Set(text.c_str(), static_cast<unsigned>(text.size()));
}

HINSTANCE CT_UILanguageSwitch::h_GetResourceHandle() const
{
    return h_ResourceHandle;
}

unsigned CT_UILanguageSwitch::n_GetLanguage() const
{
    return n_Language;
}

void CT_UILanguageSwitch::vv_SetResourceHandle(HINSTANCE hModule, unsigned language)
{
    HINSTANCE previous = h_ResourceHandle;
    h_ResourceHandle = hModule;
    n_Language = hModule ? language : 0;
    if (previous)
        FreeLibrary(previous);
}

CT_DLLSwitch::CT_DLLSwitch() = default;

CT_DLLSwitch::~CT_DLLSwitch() = default;
