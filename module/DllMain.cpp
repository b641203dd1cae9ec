// The library's entry point and the static objects it owns. The order of the
// definitions below is the order of construction at load; destruction at
// unload runs in reverse, after the entry has handled the detach.
#include <Dialogs/BigBitmap.h>
#include <Dialogs/DialogsDLLMain.h>

#include "LexorinUILanguageMgr.h"
#include "LibraryState.h"
#include "WholeText.h"

#include <afxdllx.h>

// Constant data, so nothing runs at load; destroyed after every other static
// object below, when it frees the bitmap window class's name.
CT_Exit CT_BigBitmap::sco_Exit("CT_BigBitmap", "sv_Exit", &CT_BigBitmap::sv_Exit);

namespace {

AFX_EXTENSION_MODULE sso_ExtensionModule = {};

CT_DLLSwitch sco_LanguageSwitch;

// Set once the attach has completed: a refused attach leaves nothing that a
// detach would have to undo.
BOOL sb_Attached = FALSE;

} // namespace

CT_UString CT_DialogsDLLMain::sco_ModuleName;

namespace {

const int sb_JapaneseFont =
    CT_FontManager::spco_GetFontManager()->pcco_GetSystemDefaultFont()->n1_CharSet == SHIFTJIS_CHARSET;

// The full path of `module`. A path that does not fit the first buffer is
// read again into larger ones rather than cut short.
void v_ReadModuleFileName(HINSTANCE module, CT_UString* name)
{
    wchar_t buffer[1024];
    DWORD length = GetModuleFileNameW(module, buffer, 1024);
    if (length < 1024) {
        buffer[length] = 0;
        name->v_Set(buffer, kWholeText);
        return;
    }
    for (DWORD size = 4096; size <= 32768; size *= 4) {
        wchar_t* larger = new wchar_t[size];
        if (!larger)
            break;
        length = GetModuleFileNameW(module, larger, size);
        if (length < size) {
            larger[length] = 0;
            name->v_Set(larger, kWholeText);
            delete[] larger;
            return;
        }
        delete[] larger;
    }
    name->v_Set(buffer, 1023);
}

BOOL b_ProcessAttach(HINSTANCE hInstance)
{
    CT_UString moduleName;
    v_ReadModuleFileName(hInstance, &moduleName);
    CT_DialogsDLLMain::sv_SetModuleName(moduleName.qcuz_Get());
    CT_DialogsDLLMain::sv_SetInstance(hInstance);

    if (!AfxInitExtensionModule(sso_ExtensionModule, hInstance))
        return FALSE;

    // The framework keeps the library in its chain and deletes the object in
    // AfxTermExtensionModule. Without memory the library runs outside the chain.
    new CDynLinkLibrary(sso_ExtensionModule, FALSE);

    CT_FileName fileName(CT_DialogsDLLMain::spcco_GetModuleName());
    CT_UString folder;
    fileName.b_GetPath(&folder);
    CT_UString name("Dialogs", kWholeText);
    sco_LanguageSwitch.v_Initialize(&folder, &name);
    CT_UILanguageMgr::spco_GetUILanguageMgr()->v_Register(&sco_LanguageSwitch);
    sb_Attached = TRUE;
    return TRUE;
}

BOOL b_ProcessDetach()
{
    if (!sb_Attached)
        return TRUE;
    sb_Attached = FALSE;
    AfxTermExtensionModule(sso_ExtensionModule, FALSE);
    CT_UILanguageMgr::spco_GetUILanguageMgr()->v_Unregister(&sco_LanguageSwitch);
    return TRUE;
}

} // namespace

HINSTANCE h_GetLanguageResourceHandle()
{
    return sco_LanguageSwitch.h_GetResourceHandle();
}

int b_HasJapaneseSystemFont()
{
    return sb_JapaneseFont;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD reason, LPVOID /*reserved*/)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        return b_ProcessAttach(hInstance);
    case DLL_PROCESS_DETACH:
        return b_ProcessDetach();
    default:
        return TRUE;
    }
}
