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
_AFX_CORE_API BOOL AFXAPI AfxAddTempMapCleanup(AFX_PFN_DELETE_TEMP_MAP pfn);

// The framework's own entry points, which its implementation and the tests
// call but a program does not.

// The application's module state, shared by every extension DLL.
_AFX_CORE_API AFX_MODULE_STATE* AFXAPI AfxGetModuleState();

// Temporary wrappers: a per-thread lock count and the cleanup that runs when
// it drops to zero. A message loop clears the maps at idle with
//     AfxLockTempMaps(); AfxUnlockTempMaps();
// which deletes nothing while an outer caller still holds a lock, so a nested
// modal loop cannot pull temporaries away from the handler that started it.
_AFX_CORE_API void AFXAPI AfxLockTempMaps();
// Takes one lock back (none is taken below zero). When no lock is left and
// bDeleteTemps is set, deletes the thread's temporary wrappers. TRUE when no
// lock is left.
_AFX_CORE_API BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps = TRUE);

// The module that holds the string table block of string nID, searched as
// AfxFindResourceHandle searches.
_AFX_CORE_API HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);

// A window procedure that hands messages to the window's object.
_AFX_CORE_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// A program's start: InitInstance, then Run; the result is the exit code
// (-1 without an application object).
_AFX_CORE_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
// The calling thread's pre-translation: the application's
// PreTranslateMessage on its thread, else the walk up the window tree.
_AFX_CORE_API BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg);
// One message of the calling thread, pre-translated and dispatched; FALSE
// on WM_QUIT, which is posted again.
_AFX_CORE_API BOOL AFXAPI AfxPumpMessage();

// Exported by name.
extern "C" {
// The calling thread's window objects.
_AFX_CORE_API int __cdecl AfxDiagGetPermanentWindowCount(void);
_AFX_CORE_API int __cdecl AfxDiagGetTempWindowCount(void);
// Temporary wrappers (GDI objects and device contexts) that the calling
// thread holds now.
_AFX_CORE_API int __cdecl AfxDiagGetTempGdiCount(void);
// Temporary image-list objects of the calling thread.
_AFX_CORE_API int __cdecl AfxDiagGetTempImageListCount(void);
// The next AfxInitExtensionModule fails, as if the module could not be
// initialised; the one after that is unaffected.
_AFX_CORE_API void __cdecl AfxDiagFailNextExtensionInit(void);
// Number of CDynLinkLibrary objects in the chain.
_AFX_CORE_API int __cdecl AfxDiagGetLibraryCount(void);
// Marks a device context as printing (IsPrinting), as the framework's
// printing code does.
_AFX_CORE_API void __cdecl AfxDiagSetPrinting(CDC* pDC, BOOL bPrinting);
}
