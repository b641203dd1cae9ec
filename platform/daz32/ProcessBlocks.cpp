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

bool Blocks::give(void* block)
{
    return HeapFree(heap(), 0, block) != FALSE;
}
