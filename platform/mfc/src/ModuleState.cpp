// The application's module state: one per process, shared by the
// application and every extension DLL, and its resource handles.
#include "AfxGlobals.h"

namespace {

struct ProcessState {
    AFX_MODULE_STATE module;
    CRITICAL_SECTION lock;

    ProcessState() : module()
    {
        InitializeCriticalSection(&lock);
        module.m_hCurrentInstanceHandle = GetModuleHandleW(nullptr);
        module.m_hCurrentResourceHandle = module.m_hCurrentInstanceHandle;
    }
    // No destructor: modules unloaded after this one still withdraw their
    // classes, so the state must outlive every static object.
};

ProcessState& processState()
{
    static ProcessState state;
    return state;
}

// The first module of the search order for which `holds` is true; the
// current resource module when none is.
template <class Holds> HINSTANCE findResourceModule(Holds holds)
{
    CAfxGlobalsLock lock;
    const AFX_MODULE_STATE& state = AfxProcessState();
    if (holds(state.m_hCurrentResourceHandle))
        return state.m_hCurrentResourceHandle;
    for (CDynLinkLibrary* library = state.m_pLibraryList; library; library = library->m_pNextDLL) {
        if (!library->m_bSystem && holds(library->m_hResource))
            return library->m_hResource;
    }
    if (holds(state.m_appLangDLL))
        return state.m_appLangDLL;
    for (CDynLinkLibrary* library = state.m_pLibraryList; library; library = library->m_pNextDLL) {
        if (library->m_bSystem && holds(library->m_hResource))
            return library->m_hResource;
    }
    return state.m_hCurrentResourceHandle;
}

} // namespace

AFX_MODULE_STATE& AfxProcessState()
{
    return processState().module;
}

CAfxGlobalsLock::CAfxGlobalsLock()
{
    EnterCriticalSection(&processState().lock);
}

CAfxGlobalsLock::~CAfxGlobalsLock()
{
    LeaveCriticalSection(&processState().lock);
}

AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
    return &AfxProcessState();
}

AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState()
{
    return &AfxProcessState();
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return AfxProcessState().m_hCurrentInstanceHandle;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return AfxProcessState().m_hCurrentResourceHandle;
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    AfxProcessState().m_hCurrentResourceHandle = hInstResource;
}

// A null module stands for "none" here: FindResource would take it for the
// executable and the caller would then load from the wrong module.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    if (!lpszName || !lpszType)
        return AfxGetResourceHandle();
    return findResourceModule([=](HINSTANCE module) {
        return module && FindResourceW(module, lpszName, lpszType) != nullptr;
    });
}

HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID)
{
    return findResourceModule([=](HINSTANCE module) {
        int length = 0;
        return AfxGetStringResource(module, nID, &length) != nullptr;
    });
}
