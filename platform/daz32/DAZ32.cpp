#include "DAZ32.h"
#include "Blocks.h"

#include <windows.h>

namespace {

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
    void* block = Blocks::take(size ? size : 1);
    if (block)
        InterlockedIncrement(&liveBlocks);
    return block;
}

void __cdecl DAZ_Free(void* block)
{
    if (block && Blocks::give(block))
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
