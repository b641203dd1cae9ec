// Diagnostics of the basis library for tests, exported by name.
#pragma once

#ifdef LEXORIN_BASIS_BUILD
#define LEXORIN_BASIS_DIAGNOSTICS __declspec(dllexport)
#else
#define LEXORIN_BASIS_DIAGNOSTICS __declspec(dllimport)
#endif

extern "C" {
// Blocks of the library's heap handed out and not yet given back.
LEXORIN_BASIS_DIAGNOSTICS long __cdecl LexorinBasis_GetLiveBlockCount(void);
// After `count` more successful allocations every allocation of the library
// fails, until called again; a negative count switches the failure off.
LEXORIN_BASIS_DIAGNOSTICS void __cdecl LexorinBasis_FailAllocationsAfter(long count);
}
