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
    CRuntimeClass** link = &AfxProcessState().m_pClassList;
    while (CRuntimeClass* c = *link) {
        if (moduleAt(c) != hModule) {
            link = &c->m_pNextClass;
            continue;
        }
        *link = c->m_pNextClass;
        c->m_pNextClass = state.pFirstSharedClass;
        state.pFirstSharedClass = c;
    }
}

CDynLinkLibrary* firstLibraryOf(HMODULE hModule, BOOL bAll)
{
    CAfxGlobalsLock lock;
    for (CDynLinkLibrary* library = AfxProcessState().m_pLibraryList; library; library = library->m_pNextDLL) {
        if (bAll || library->m_hModule == hModule)
            return library;
    }
    return nullptr;
}

void join(CDynLinkLibrary* library)
{
    CAfxGlobalsLock lock;
    AFX_MODULE_STATE& state = AfxProcessState();
    library->m_pNextDLL = state.m_pLibraryList;
    state.m_pLibraryList = library;
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
    : m_hModule(state.hModule),
      m_hResource(state.hResource),
      m_pClassList(state.pFirstSharedClass),
      m_bSystem(bSystem),
      m_pNextDLL(nullptr)
{
    join(this);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_pClassList(nullptr), m_bSystem(FALSE), m_pNextDLL(nullptr)
{
    join(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    CAfxGlobalsLock lock;
    AfxUnlink(AfxProcessState().m_pLibraryList, this, &CDynLinkLibrary::m_pNextDLL);
}

extern "C" void AFX_CDECL AfxDiagFailNextExtensionInit(void)
{
    InterlockedExchange(&failNextInit, 1);
}

extern "C" int AFX_CDECL AfxDiagGetLibraryCount(void)
{
    CAfxGlobalsLock lock;
    int count = 0;
    for (CDynLinkLibrary* library = AfxProcessState().m_pLibraryList; library; library = library->m_pNextDLL)
        ++count;
    return count;
}
