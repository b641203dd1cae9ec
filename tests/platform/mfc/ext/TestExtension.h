// The test extension DLLs (MfcTestExtA.dll, MfcTestExtB.dll): extension DLLs
// built as a host builds one, with a global allocator of their own that
// counts its blocks in a private heap, so that a block given back to the
// wrong allocator shows.
#pragma once

#include <afxdllx.h>

extern "C" {
// Blocks of the DLL's allocator not yet given back.
AFX_EXT_CLASS long __cdecl TestExt_GetLiveBlocks(void);
// While set, the DLL's allocator has no memory.
AFX_EXT_CLASS void __cdecl TestExt_FailAllocations(BOOL bFail);
// The record that DllMain initialises and terminates.
AFX_EXT_CLASS AFX_EXTENSION_MODULE* __cdecl TestExt_GetModuleRecord(void);
// A block from CObject's operator new called in the DLL, null without memory.
AFX_EXT_CLASS void* __cdecl TestExt_AllocateOwned(size_t nSize);
// A chain entry for another module, allocated by the DLL.
AFX_EXT_CLASS CDynLinkLibrary* __cdecl TestExt_NewLibrary(HINSTANCE hResource, BOOL bSystem);
}

typedef long(__cdecl* PFN_TestExt_GetLiveBlocks)(void);
typedef void(__cdecl* PFN_TestExt_FailAllocations)(BOOL);
typedef AFX_EXTENSION_MODULE*(__cdecl* PFN_TestExt_GetModuleRecord)(void);
typedef void*(__cdecl* PFN_TestExt_AllocateOwned)(size_t);
typedef CDynLinkLibrary*(__cdecl* PFN_TestExt_NewLibrary)(HINSTANCE, BOOL);
