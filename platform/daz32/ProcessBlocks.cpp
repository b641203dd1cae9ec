// 32-bit: blocks from a heap of DAZ32's own, so that blocks of other
// allocators are never mixed in.
#include "Blocks.h"

#include <windows.h>

namespace {

HANDLE heap()
{
    static HANDLE h = HeapCreate(0, 0, 0);
    return h;
}

} // namespace

void* Blocks::take(size_t size)
{
    return HeapAlloc(heap(), 0, size);
}

// The heap is asked first whether the block is one of its own: freeing any
// other address would read before it, perhaps from no memory at all.
bool Blocks::give(void* block)
{
    return HeapValidate(heap(), 0, block) && HeapFree(heap(), 0, block);
}
