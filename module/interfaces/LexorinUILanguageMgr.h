// LexorinUILanguageMgr.dll: the languages of the user interface.
//
// Every library of the product family that has texts registers a switch with
// the manager. The manager loads, for each switch, the resource module of the
// current user-interface language and keeps its handle in the switch.
//
// Resource modules are satellite DLLs beside the library, named like the
// framework's satellites: the library's base name followed by the language's
// three-letter code (CT_Language::sv_GetModuleCode), such as DialogsENU.dll,
// DialogsDEU.dll and DialogsJPN.dll for "Dialogs".
#pragma once

#include "LexorinBasis.h"

#ifdef LEXORIN_UILANG_BUILD
#define LEXORIN_UILANG_API __declspec(dllexport)
#else
#define LEXORIN_UILANG_API __declspec(dllimport)
#endif

// A registered party that follows the current user-interface language.
class LEXORIN_UILANG_API CT_UILanguageSwitch {
public:
    CT_UILanguageSwitch();
    virtual ~CT_UILanguageSwitch();

    // Readies the switch before it is registered: the folder of the modules
    // (with or without a trailing separator) and their base name.
    void v_Initialize(const CT_UString* folder, const CT_UString* name);

    const CT_UString* pcco_GetFolder() const;
    const CT_UString* pcco_GetName() const;
    // Path of the resource module of a language: folder + name + code + ".dll".
    void v_MakeModulePath(CT_UString* path, unsigned language) const;
    // The resource module of the current language, or null while unregistered
    // or when no module could be loaded.
    HINSTANCE h_GetResourceHandle() const;
    // The language whose module the handle is (0 without one).
    unsigned n_GetLanguage() const;

protected:
    // The manager hands over a new module; the switch owns it until the next
    // call and frees it then (null frees only).
    virtual void vv_SetResourceHandle(HINSTANCE hModule, unsigned language);

private:
    friend class CT_UILanguageMgr;
    CT_UILanguageSwitch(const CT_UILanguageSwitch&) = delete;
    CT_UILanguageSwitch& operator=(const CT_UILanguageSwitch&) = delete;

    CT_UString co_Folder;
    CT_UString co_Name;
    HINSTANCE h_ResourceHandle;
    unsigned n_Language;
};

// The switch kind of a library: its handle is the library's resource module.
class LEXORIN_UILANG_API CT_DLLSwitch : public CT_UILanguageSwitch {
public:
    CT_DLLSwitch();
    ~CT_DLLSwitch() override;
};

// The one manager of the process.
class LEXORIN_UILANG_API CT_UILanguageMgr {
public:
    static CT_UILanguageMgr* spco_GetUILanguageMgr();

    // Adds a switch and loads its module for the current language; removes
    // it and frees its module. Registering twice or removing a stranger does
    // nothing.
    void v_Register(CT_UILanguageSwitch* pSwitch);
    void v_Unregister(CT_UILanguageSwitch* pSwitch);

    // The language identifiers (unsigned 32-bit elements) for which every
    // registered switch has a resource module, in table order.
    const CT_VoidArray* pcco_GetLanguages() const;

    // The current user-interface language. At start it is the user's
    // default UI language when modules exist for it, else English (United
    // States) when they exist, else the first available language.
    unsigned n_GetLanguage() const;
    // Switches every registered switch to `language`. FALSE, and nothing
    // changed, when the language is not available.
    int b_SetLanguage(unsigned language);

    unsigned n_GetSwitchCount() const;

private:
    CT_UILanguageMgr();
    ~CT_UILanguageMgr();
    CT_UILanguageMgr(const CT_UILanguageMgr&) = delete;
    CT_UILanguageMgr& operator=(const CT_UILanguageMgr&) = delete;

    void v_UpdateLanguages();
    void v_LoadModule(CT_UILanguageSwitch* pSwitch, unsigned language);

    CT_UILanguageSwitch** ppco_Switches;
    unsigned n_SwitchCount;
    unsigned n_SwitchCapacity;
    CT_VoidArray co_Languages;
    unsigned n_Language;
    int b_LanguageChosen;
};

// While it lives, the framework's resource lookups go first to `hModule`.
class LEXORIN_UILANG_API CT_ResHandleGuard {
public:
    explicit CT_ResHandleGuard(HINSTANCE hModule);
    ~CT_ResHandleGuard();

private:
    CT_ResHandleGuard(const CT_ResHandleGuard&) = delete;
    CT_ResHandleGuard& operator=(const CT_ResHandleGuard&) = delete;

    HINSTANCE h_Previous;
};
