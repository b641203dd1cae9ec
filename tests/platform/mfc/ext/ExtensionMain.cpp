// Entry of a test extension DLL and its test exports.
#include "CountingAllocator.h"
#include "TestExtension.h"

namespace {

AFX_EXTENSION_MODULE extensionModule = {};

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(extensionModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(extensionModule);
    } else if (reason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(extensionModule);
    }
    return TRUE;
}

long __cdecl TestExt_GetLiveBlocks(void)
{
    return CountingAllocator_GetLiveBlocks();
}

void __cdecl TestExt_FailAllocations(BOOL bFail)
{
    CountingAllocator_Fail(bFail != FALSE);
}

AFX_EXTENSION_MODULE* __cdecl TestExt_GetModuleRecord(void)
{
    return &extensionModule;
}

void* __cdecl TestExt_AllocateOwned(size_t nSize)
{
    return CObject::operator new(nSize);
}

CDynLinkLibrary* __cdecl TestExt_NewLibrary(HINSTANCE hResource, BOOL bSystem)
{
    CDynLinkLibrary* library = new CDynLinkLibrary(hResource, hResource);
    if (library)
        library->_m_bSystem = bSystem;
    return library;
}
