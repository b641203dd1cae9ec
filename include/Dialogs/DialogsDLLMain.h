// The library's identity: its module, the module's file, version and build.
#pragma once

#include "DialogsExport.h"
#include "LexorinBasis.h"

// A module's version record. This library never makes one.
class CT_ModuleVersion {
public:
    CT_UString co_ProductVersion;
};

class DIALOGS_API CT_DialogsDLLMain {
public:
    static HINSTANCE sh_GetInstance();
    static void sv_SetInstance(HINSTANCE hInstance);
    // The full path of the library's module file.
    static const CT_UString* spcco_GetModuleName();
    // Replaces the module name and settles version and build.
    static void sv_SetModuleName(const wchar_t* text);
    static unsigned sn_GetVersion();
    static unsigned sn_GetBuild();
    // Null: the library keeps no version record.
    static const CT_ModuleVersion* spcco_GetVersion();
    static const CT_UString* spcco_GetProductVersion();

    // Copies nothing: every member is static.
    CT_DialogsDLLMain& operator=(const CT_DialogsDLLMain& other);

private:
    static HINSTANCE sh_Instance;
    static CT_UString sco_ModuleName;
    static unsigned sn_Version;
    static unsigned sn_Build;
    static CT_ModuleVersion* spco_Version;
};
