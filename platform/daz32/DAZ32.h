// DAZ32.DLL, the product family's allocator. Its two operations have no
// exported names: modules import them by ordinal (251 allocates, 250 frees).
#pragma once
#include <stddef.h>

extern "C" {
// Ordinal 251: a block of `size` bytes, or null when no memory is left.
void* __cdecl DAZ_Allocate(size_t size);
// Ordinal 250: gives back a block from DAZ_Allocate; null is ignored.
void __cdecl DAZ_Free(void* block);

// Diagnostics of this stand-in, exported by name for tests.
// Blocks handed out and not yet given back.
long __cdecl DAZ_GetLiveBlockCount(void);
// After `count` more successful allocations every allocation fails, until
// called again; a negative count switches the failure off.
void __cdecl DAZ_FailAllocationsAfter(long count);
}
