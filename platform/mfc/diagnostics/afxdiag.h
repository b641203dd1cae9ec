// This stand-in's own diagnostics, which the framework does not have: what
// the leak tests count, and the hooks the stand-in's own tests use. Only the
// stand-in and the tests include this header; it is not installed.
#pragma once

#include <afxwin.h>

// Other temporary maps of the framework (windows, for one) join the cleanup
// of AfxUnlockTempMaps: pfn runs on the thread whose maps are cleared, at
// idle and when the thread ends, so it must stay loaded as long as the
// framework. FALSE for a null pfn or when no slot is left; registering twice
// is harmless.
typedef void (AFXAPI* AFX_PFN_DELETE_TEMP_MAP)();
AFX_CORE_API BOOL AFXAPI AfxAddTempMapCleanup(AFX_PFN_DELETE_TEMP_MAP pfn);

// Exported by name.
extern "C" {
// The calling thread's window objects.
AFX_CORE_API int AFX_CDECL AfxDiagGetPermanentWindowCount(void);
AFX_CORE_API int AFX_CDECL AfxDiagGetTempWindowCount(void);
// Temporary wrappers (GDI objects and device contexts) that the calling
// thread holds now.
AFX_CORE_API int AFX_CDECL AfxDiagGetTempGdiCount(void);
// Temporary image-list objects of the calling thread.
AFX_CORE_API int AFX_CDECL AfxDiagGetTempImageListCount(void);
// The next AfxInitExtensionModule fails, as if the module could not be
// initialised; the one after that is unaffected.
AFX_CORE_API void AFX_CDECL AfxDiagFailNextExtensionInit(void);
// Number of CDynLinkLibrary objects in the chain.
AFX_CORE_API int AFX_CDECL AfxDiagGetLibraryCount(void);
}
