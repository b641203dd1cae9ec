#include "ModuleTestSupport.h"

const wchar_t kExtensionA[] = L"MfcTestExtA.dll";
const wchar_t kExtensionB[] = L"MfcTestExtB.dll";
const wchar_t kLanguage[] = L"MfcTestLanguage.dll";
const wchar_t kSystem[] = L"MfcTestSystem.dll";

LoadedModule::LoadedModule(const wchar_t* name)
{
    const UINT mode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    module_ = LoadLibraryW(name);
    SetErrorMode(mode);
}

LoadedModule::~LoadedModule()
{
    unload();
}

void LoadedModule::unload()
{
    if (module_)
        FreeLibrary(module_);
    module_ = nullptr;
}

ResourceSettingsGuard::ResourceSettingsGuard()
    : resource_(AfxGetResourceHandle()), language_(AfxGetAppModuleState()->m_appLangDLL)
{
}

ResourceSettingsGuard::~ResourceSettingsGuard()
{
    AfxSetResourceHandle(resource_);
    AfxGetAppModuleState()->m_appLangDLL = language_;
}

HMODULE moduleOf(const void* object)
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCWSTR>(object), &module);
    return module;
}
