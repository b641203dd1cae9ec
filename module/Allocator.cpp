// Every block the library allocates comes from the product family's
// allocator, DAZ32.DLL, imported by ordinal. Allocation failure gives null
// rather than an exception (the library is built with -fcheck-new, so a
// new-expression checks before constructing).
#include "DAZ32.h"

#include <new>

void* operator new(size_t size)
{
    return DAZ_Allocate(size);
}

void* operator new[](size_t size)
{
    return DAZ_Allocate(size);
}

void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    return DAZ_Allocate(size);
}

void* operator new[](size_t size, const std::nothrow_t&) noexcept
{
    return DAZ_Allocate(size);
}

void operator delete(void* block) noexcept
{
    DAZ_Free(block);
}

void operator delete[](void* block) noexcept
{
    DAZ_Free(block);
}

void operator delete(void* block, size_t) noexcept
{
    DAZ_Free(block);
}

void operator delete[](void* block, size_t) noexcept
{
    DAZ_Free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept
{
    DAZ_Free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    DAZ_Free(block);
}
