// Where DAZ32.DLL's blocks come from; one implementation per architecture.
#pragma once
#include <stddef.h>

namespace Blocks {
// A block of at least `size` bytes aligned for any type, or null.
void* take(size_t size);
// Gives back a block from take(); false, and nothing done, for any other address.
bool give(void* block);
}
