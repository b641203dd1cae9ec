// The basis library's own heap. Every block the library hands out or keeps
// comes from here, so that whichever module holds a string, the library alone
// allocates and frees its storage.
#pragma once

#include <stddef.h>

namespace Basis {

// A block of `size` bytes, or null when no memory is left.
void* pv_Allocate(size_t size);
// A block for `count` elements of `size` bytes, or null when the product
// overflows or no memory is left.
void* pv_AllocateArray(size_t count, size_t size);
// Gives back a block of pv_Allocate; null is ignored.
void v_Free(void* block);

} // namespace Basis

