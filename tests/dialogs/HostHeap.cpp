#include "HostHeap.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> live{0};
std::atomic<bool> failNext{false};

void* allocate(std::size_t size)
{
    if (failNext.exchange(false))
        return nullptr;
    void* block = std::malloc(size ? size : 1);
    if (block)
        ++live;
    return block;
}

void release(void* block) noexcept
{
    if (!block)
        return;
    --live;
    std::free(block);
}

} // namespace

long hostLiveBlocks()
{
    return live;
}

void hostFailNextAllocation()
{
    failNext = true;
}

// The other forms of the runtime (arrays, nothrow, sized) come down to these.
void* operator new(std::size_t size)
{
    if (void* block = allocate(size))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept
{
    release(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    release(block);
}
