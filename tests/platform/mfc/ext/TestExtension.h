// The test extension DLLs (MfcTestExtA.dll, MfcTestExtB.dll): extension DLLs
// built as a host builds one, with a global allocator of their own that
// counts its blocks in a private heap, so that a block given back to the
// wrong allocator shows.
#pragma once

#include <afxdllx.h>

extern "C" {
// Blocks of the DLL's allocator not yet given back.
AFX_EXT_API long AFX_CDECL TestExt_GetLiveBlocks(void);
// While set, the DLL's allocator has no memory.
AFX_EXT_API void AFX_CDECL TestExt_FailAllocations(BOOL bFail);
// The record that DllMain initialises and terminates.
AFX_EXT_API AFX_EXTENSION_MODULE* AFX_CDECL TestExt_GetModuleRecord(void);
// A block owned by the DLL's allocator (AfxAllocateOwned), null without memory.
AFX_EXT_API void* AFX_CDECL TestExt_AllocateOwned(size_t nSize);
// A chain entry for another module, allocated by the DLL.
AFX_EXT_API CDynLinkLibrary* AFX_CDECL TestExt_NewLibrary(HINSTANCE hResource, BOOL bSystem);
}

typedef long(AFX_CDECL* PFN_TestExt_GetLiveBlocks)(void);
typedef void(AFX_CDECL* PFN_TestExt_FailAllocations)(BOOL);
typedef AFX_EXTENSION_MODULE*(AFX_CDECL* PFN_TestExt_GetModuleRecord)(void);
typedef void*(AFX_CDECL* PFN_TestExt_AllocateOwned)(size_t);
typedef CDynLinkLibrary*(AFX_CDECL* PFN_TestExt_NewLibrary)(HINSTANCE, BOOL);
