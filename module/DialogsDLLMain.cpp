#include <Dialogs/DialogsDLLMain.h>

#include "WholeText.h"

namespace {
const unsigned kVersion = 7;
const unsigned kBuild = 320;
} // namespace

// Plain data: zero before the process attaches the library. The module name
// is defined beside the entry, where the order of the static objects is kept.
HINSTANCE CT_DialogsDLLMain::sh_Instance = nullptr;
unsigned CT_DialogsDLLMain::sn_Version = 0;
unsigned CT_DialogsDLLMain::sn_Build = 0;
CT_ModuleVersion* CT_DialogsDLLMain::spco_Version = nullptr;

HINSTANCE CT_DialogsDLLMain::sh_GetInstance()
{
    return sh_Instance;
}

void CT_DialogsDLLMain::sv_SetInstance(HINSTANCE hInstance)
{
    sh_Instance = hInstance;
}

const CT_UString* CT_DialogsDLLMain::spcco_GetModuleName()
{
    return &sco_ModuleName;
}

void CT_DialogsDLLMain::sv_SetModuleName(const wchar_t* text)
{
    sco_ModuleName.v_Set(text, kWholeText);
    sn_Build = kBuild;
    sn_Version = kVersion;
}

unsigned CT_DialogsDLLMain::sn_GetVersion()
{
    return sn_Version;
}

unsigned CT_DialogsDLLMain::sn_GetBuild()
{
    return sn_Build;
}

const CT_ModuleVersion* CT_DialogsDLLMain::spcco_GetVersion()
{
    return spco_Version;
}

const CT_UString* CT_DialogsDLLMain::spcco_GetProductVersion()
{
    return spco_Version ? &spco_Version->co_ProductVersion : nullptr;
}

CT_DialogsDLLMain& CT_DialogsDLLMain::operator=(const CT_DialogsDLLMain&)
{
    return *this;
}
