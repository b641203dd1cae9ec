// Extension DLLs: a DLL written against the framework that shares the
// application's module state. Its DllMain initialises an AFX_EXTENSION_MODULE,
// joins the chain with a CDynLinkLibrary allocated on the heap, and at detach
// terminates the module, which deletes that object again.
#pragma once

#include "afxwin.h"

// One per extension DLL, zero-initialised.
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    // The classes that live in the DLL's image, claimed from the application's
    // list at initialisation, linked through CRuntimeClass::_pNextClass.
    CRuntimeClass* pFirstSharedClass;
};

// Claims the classes of hModule's image for the record. TRUE on success and
// when the record already stands for hModule; FALSE for a null module or a
// record that stands for another one.
_AFX_CORE_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Deletes the chain's CDynLinkLibrary objects of the record's module (of
// every module with bAll) and empties the record. Harmless when the record
// is not initialised.
_AFX_CORE_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// A DLL's place in the chain, from construction to destruction: its resource
// module is searched by AfxFindResourceHandle and its classes by
// CRuntimeClass::FromName. Allocate it with new; AfxTermExtensionModule
// deletes it.
class _AFX_CORE_CLASS CDynLinkLibrary : public CCmdTarget {
    DECLARE_DYNAMIC(CDynLinkLibrary)

public:
    // A system library is searched after the application's language module.
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    ~CDynLinkLibrary() override;

    HMODULE _m_hModule;
    HMODULE _m_hResource;
    CRuntimeClass* _m_pClassList;   // shared with the module's record
    BOOL _m_bSystem;
    CDynLinkLibrary* _m_pNextDLL;
};

