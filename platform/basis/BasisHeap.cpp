// The library's private heap. Allocation failure gives null rather than an
// exception: an exception could not cross into the calling module, which
// carries its own runtime.
#include "BasisHeap.h"
#include "BasisDiagnostics.h"

#include <windows.h>

namespace {

HANDLE volatile sh_Heap = nullptr;
volatile LONG sn_LiveBlocks = 0;
// Planned failures serve tests, which allocate from one thread.
long sn_AllocationsLeft = -1;   // negative: no failure planned

// Created on first use, so that other modules may allocate during their own
// static initialisation. It lives as long as the process: a string of another
// module may outlast everything of this library but its heap.
HANDLE h_Heap()
{
    HANDLE heap = sh_Heap;
    if (heap)
        return heap;
    HANDLE created = HeapCreate(0, 0, 0);
    if (!created)
        return nullptr;
    heap = InterlockedCompareExchangePointer(reinterpret_cast<PVOID volatile*>(&sh_Heap), created, nullptr);
    if (heap) {
        HeapDestroy(created);   // another thread was first
        return heap;
    }
    return created;
}

bool b_PlannedFailure()
{
    if (sn_AllocationsLeft > 0)
        --sn_AllocationsLeft;
    else if (sn_AllocationsLeft == 0)
        return true;
    return false;
}

} // namespace

void* Basis::pv_Allocate(size_t size)
{
    if (b_PlannedFailure())
        return nullptr;
    HANDLE heap = h_Heap();
    void* block = heap ? HeapAlloc(heap, 0, size ? size : 1) : nullptr;
    if (block)
        InterlockedIncrement(&sn_LiveBlocks);
    return block;
}

void* Basis::pv_AllocateArray(size_t count, size_t size)
{
    if (size && count > static_cast<size_t>(-1) / size)
        return nullptr;
    return pv_Allocate(count * size);
}

void Basis::v_Free(void* block)
{
    if (block && sh_Heap && HeapFree(sh_Heap, 0, block))
        InterlockedDecrement(&sn_LiveBlocks);
}

extern "C" long __cdecl LexorinBasis_GetLiveBlockCount(void)
{
    return sn_LiveBlocks;
}

extern "C" void __cdecl LexorinBasis_FailAllocationsAfter(long count)
{
    sn_AllocationsLeft = count < 0 ? -1 : count;
}
