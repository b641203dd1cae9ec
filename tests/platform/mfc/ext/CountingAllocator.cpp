#include "CountingAllocator.h"

#include <windows.h>

#include <new>

namespace {

volatile LONG liveBlocks = 0;
volatile LONG failing = 0;

HANDLE heap()
{
    static HANDLE h = HeapCreate(0, 0, 0);
    return h;
}

void* allocate(size_t size) noexcept
{
    if (failing)
        return nullptr;
    void* block = HeapAlloc(heap(), 0, size ? size : 1);
    if (block)
        InterlockedIncrement(&liveBlocks);
    return block;
}

void release(void* block) noexcept
{
    if (block && HeapFree(heap(), 0, block))
        InterlockedDecrement(&liveBlocks);
}

void* allocateOrThrow(size_t size)
{
    if (void* block = allocate(size))
        return block;
    throw std::bad_alloc();
}

} // namespace

long CountingAllocator_GetLiveBlocks()
{
    return liveBlocks;
}

void CountingAllocator_Fail(bool bFail)
{
    InterlockedExchange(&failing, bFail ? 1 : 0);
}

void* operator new(size_t size) { return allocateOrThrow(size); }
void* operator new[](size_t size) { return allocateOrThrow(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* block) noexcept { release(block); }
void operator delete[](void* block) noexcept { release(block); }
void operator delete(void* block, size_t) noexcept { release(block); }
void operator delete[](void* block, size_t) noexcept { release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { release(block); }
