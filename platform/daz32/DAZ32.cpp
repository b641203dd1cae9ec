#include "DAZ32.h"

#include <windows.h>

namespace {

HANDLE heap()
{
    // A heap of its own, so that blocks of other allocators are never mixed in.
    static HANDLE h = HeapCreate(0, 0, 0);
    return h;
}

volatile LONG liveBlocks = 0;
volatile LONG allocationsLeft = -1;   // negative: no failure planned

bool plannedFailure()
{
    for (;;) {
        LONG left = allocationsLeft;
        if (left < 0)
            return false;
        if (left == 0)
            return true;
        if (InterlockedCompareExchange(&allocationsLeft, left - 1, left) == left)
            return false;
    }
}

} // namespace

extern "C" {

void* __cdecl DAZ_Allocate(size_t size)
{
    if (plannedFailure())
        return nullptr;
    void* block = HeapAlloc(heap(), 0, size ? size : 1);
    if (block)
        InterlockedIncrement(&liveBlocks);
    return block;
}

void __cdecl DAZ_Free(void* block)
{
    if (block && HeapFree(heap(), 0, block))
        InterlockedDecrement(&liveBlocks);
}

long __cdecl DAZ_GetLiveBlockCount(void)
{
    return liveBlocks;
}

void __cdecl DAZ_FailAllocationsAfter(long count)
{
    InterlockedExchange(&allocationsLeft, count < 0 ? -1 : count);
}

} // extern "C"
