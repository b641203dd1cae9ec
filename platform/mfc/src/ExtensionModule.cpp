// Extension DLLs: their records, their place in the chain, and the classes
// they bring with them.
#include "AfxGlobals.h"
#include <afxdiag.h>

namespace {

volatile LONG failNextInit = 0;

HMODULE moduleAt(const void* address)
{
    HMODULE module = nullptr;
    const DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    if (!GetModuleHandleExW(flags, static_cast<LPCWSTR>(address), &module))
        return nullptr;
    return module;
}

// Moves the registered classes whose records lie in hModule's image from the
// application's list into the record's.
void claimClasses(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    CAfxGlobalsLock lock;
    CRuntimeClass** link = &AfxProcessState()._m_pClassList;
    while (CRuntimeClass* c = *link) {
        if (moduleAt(c) != hModule) {
            link = &c->_pNextClass;
            continue;
        }
        *link = c->_pNextClass;
        c->_pNextClass = state.pFirstSharedClass;
        state.pFirstSharedClass = c;
    }
}

CDynLinkLibrary* firstLibraryOf(HMODULE hModule, BOOL bAll)
{
    CAfxGlobalsLock lock;
    for (CDynLinkLibrary* library = AfxProcessState()._m_pLibraryList; library; library = library->_m_pNextDLL) {
        if (bAll || library->_m_hModule == hModule)
            return library;
    }
    return nullptr;
}

void join(CDynLinkLibrary* library)
{
    CAfxGlobalsLock lock;
    AFX_MODULE_STATE& state = AfxProcessState();
    library->_m_pNextDLL = state._m_pLibraryList;
    state._m_pLibraryList = library;
}

} // namespace

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (InterlockedExchange(&failNextInit, 0))
        return FALSE;
    if (!hModule)
        return FALSE;
    if (state.bInitialized)
        return state.hModule == hModule;
    claimClasses(state, hModule);
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    if (!state.bInitialized)
        return;
    // Deleted outside the lock: a destructor is the library's own code and
    // takes the lock itself to leave the chain.
    while (CDynLinkLibrary* library = firstLibraryOf(state.hModule, bAll))
        delete library;
    state = AFX_EXTENSION_MODULE();
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : _m_hModule(state.hModule),
      _m_hResource(state.hResource),
      _m_pClassList(state.pFirstSharedClass),
      _m_bSystem(bSystem),
      _m_pNextDLL(nullptr)
{
    join(this);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : _m_hModule(hModule), _m_hResource(hResource), _m_pClassList(nullptr), _m_bSystem(FALSE), _m_pNextDLL(nullptr)
{
    join(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    CAfxGlobalsLock lock;
    AfxUnlink(AfxProcessState()._m_pLibraryList, this, &CDynLinkLibrary::_m_pNextDLL);
}

extern "C" void __cdecl AfxDiagFailNextExtensionInit(void)
{
    InterlockedExchange(&failNextInit, 1);
}

extern "C" int __cdecl AfxDiagGetLibraryCount(void)
{
    CAfxGlobalsLock lock;
    int count = 0;
    for (CDynLinkLibrary* library = AfxProcessState()._m_pLibraryList; library; library = library->_m_pNextDLL)
        ++count;
    return count;
}
