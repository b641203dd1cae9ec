// The application's module state and its resource handles. An extension DLL
// shares the application's state: there is one per process.
#pragma once

struct AFX_MODULE_STATE {
    HINSTANCE _m_hCurrentInstanceHandle;   // the application's module
    HINSTANCE _m_hCurrentResourceHandle;   // where resources are looked for first
    // The application's language resource module, searched after the
    // extension DLLs; null until the application sets it.
    HINSTANCE m_appLangDLL;
    // Classes registered and not claimed by an extension DLL, linked through
    // CRuntimeClass::_pNextClass.
    CRuntimeClass* _m_pClassList;
    // The extension-DLL chain, most recently joined first, linked through
    // CDynLinkLibrary::_m_pNextDLL.
    CDynLinkLibrary* _m_pLibraryList;
};

_AFX_CORE_API AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState();

_AFX_CORE_API HINSTANCE AFXAPI AfxGetInstanceHandle();
_AFX_CORE_API HINSTANCE AFXAPI AfxGetResourceHandle();
_AFX_CORE_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);

// The module that holds the resource: the current resource module, then the
// extension DLLs of the chain, then the application's language module, then
// the system DLLs of the chain; when none has it, the current resource module.
_AFX_CORE_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
