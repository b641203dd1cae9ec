// DAZ32.DLL: allocation by ordinal, the live-block count, planned failures.
#include "DAZ32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>

namespace {

HMODULE daz32() { return GetModuleHandleW(L"DAZ32.DLL"); }

template <typename F> F byOrdinal(WORD ordinal)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(daz32(), MAKEINTRESOURCEA(ordinal))));
}

TEST(Daz32, OrdinalsAreTheAllocatorAndHaveNoNames)
{
    ASSERT_NE(daz32(), nullptr);
    auto allocate = byOrdinal<void*(__cdecl*)(size_t)>(251);
    auto release = byOrdinal<void(__cdecl*)(void*)>(250);
    ASSERT_NE(allocate, nullptr);
    ASSERT_NE(release, nullptr);
    const long before = DAZ_GetLiveBlockCount();
    void* block = allocate(32);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(DAZ_GetLiveBlockCount(), before + 1);
    release(block);
    EXPECT_EQ(DAZ_GetLiveBlockCount(), before);
    EXPECT_EQ(GetProcAddress(daz32(), "DAZ_Allocate"), nullptr);
    EXPECT_EQ(GetProcAddress(daz32(), "DAZ_Free"), nullptr);
    EXPECT_NE(GetProcAddress(daz32(), "DAZ_GetLiveBlockCount"), nullptr);
}

TEST(Daz32, CountsLiveBlocksAndTakesBackWhatItGave)
{
    const long before = DAZ_GetLiveBlockCount();
    void* a = DAZ_Allocate(100);
    void* b = DAZ_Allocate(0);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);
    std::memset(a, 0xAB, 100);
    EXPECT_EQ(DAZ_GetLiveBlockCount(), before + 2);
    DAZ_Free(a);
    DAZ_Free(b);
    DAZ_Free(nullptr);
    EXPECT_EQ(DAZ_GetLiveBlockCount(), before);
}

TEST(Daz32, RefusesBlocksItDidNotGive)
{
    const long before = DAZ_GetLiveBlockCount();
    void* foreign = HeapAlloc(GetProcessHeap(), 0, 16);
    DAZ_Free(foreign);
    EXPECT_EQ(DAZ_GetLiveBlockCount(), before);
    HeapFree(GetProcessHeap(), 0, foreign);
    // The start of a region, with nothing mapped before it.
    void* region = VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    ASSERT_NE(region, nullptr);
    DAZ_Free(region);
    EXPECT_EQ(DAZ_GetLiveBlockCount(), before);
    VirtualFree(region, 0, MEM_RELEASE);
}

#ifdef _WIN64
// In the 64-bit build every block, small or of a region of its own, lies
// above 4 GiB: a pointer kept in 32 bits anywhere loses its upper half.
TEST(Daz32, BlocksLieAbove4GiBAndAreUsableWhole)
{
    const long before = DAZ_GetLiveBlockCount();
    for (size_t size : {size_t(1), size_t(24), size_t(1000), size_t(65520), size_t(65536), size_t(3) << 20}) {
        SCOPED_TRACE(size);
        auto* block = static_cast<unsigned char*>(DAZ_Allocate(size));
        auto* neighbour = static_cast<unsigned char*>(DAZ_Allocate(size));
        ASSERT_NE(block, nullptr);
        ASSERT_NE(neighbour, nullptr);
        EXPECT_GT(reinterpret_cast<uintptr_t>(block), uintptr_t(0xFFFFFFFF));
        EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % 16, 0u);
        std::memset(neighbour, 0x11, size);
        std::memset(block, 0xEE, size);
        EXPECT_EQ(neighbour[0], 0x11);
        EXPECT_EQ(neighbour[size - 1], 0x11);
        DAZ_Free(block);
        DAZ_Free(block);   // a second time: refused, not counted
        EXPECT_EQ(DAZ_GetLiveBlockCount(), before + 1);
        // A freed block of this size is handed out again.
        void* again = DAZ_Allocate(size);
        ASSERT_NE(again, nullptr);
        EXPECT_GT(reinterpret_cast<uintptr_t>(again), uintptr_t(0xFFFFFFFF));
        DAZ_Free(again);
        DAZ_Free(neighbour);
        EXPECT_EQ(DAZ_GetLiveBlockCount(), before);
    }
}
#endif

TEST(Daz32, PlannedFailureGivesNullUntilSwitchedOff)
{
    DAZ_FailAllocationsAfter(1);
    void* first = DAZ_Allocate(8);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(DAZ_Allocate(8), nullptr);
    EXPECT_EQ(DAZ_Allocate(8), nullptr);
    DAZ_FailAllocationsAfter(-1);
    void* later = DAZ_Allocate(8);
    EXPECT_NE(later, nullptr);
    DAZ_Free(first);
    DAZ_Free(later);
}

TEST(Daz32, AbsurdSizeIsRefusedWithNull)
{
    EXPECT_EQ(DAZ_Allocate(static_cast<size_t>(-16)), nullptr);
}

} // namespace
