// The application's module state: one per process, shared by the
// application and every extension DLL, and its resource handles.
#include "AfxGlobals.h"
#include <afxdiag.h>

namespace {

struct ProcessState {
    AFX_MODULE_STATE module;
    CRITICAL_SECTION lock;

    ProcessState() : module()
    {
        InitializeCriticalSection(&lock);
        module._m_hCurrentInstanceHandle = GetModuleHandleW(nullptr);
        module._m_hCurrentResourceHandle = module._m_hCurrentInstanceHandle;
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
    if (holds(state._m_hCurrentResourceHandle))
        return state._m_hCurrentResourceHandle;
    for (CDynLinkLibrary* library = state._m_pLibraryList; library; library = library->_m_pNextDLL) {
        if (!library->_m_bSystem && holds(library->_m_hResource))
            return library->_m_hResource;
    }
    if (holds(state.m_appLangDLL))
        return state.m_appLangDLL;
    for (CDynLinkLibrary* library = state._m_pLibraryList; library; library = library->_m_pNextDLL) {
        if (library->_m_bSystem && holds(library->_m_hResource))
            return library->_m_hResource;
    }
    return state._m_hCurrentResourceHandle;
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
    return AfxProcessState()._m_hCurrentInstanceHandle;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return AfxProcessState()._m_hCurrentResourceHandle;
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    AfxProcessState()._m_hCurrentResourceHandle = hInstResource;
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
