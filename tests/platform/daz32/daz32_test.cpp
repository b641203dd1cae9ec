// DAZ32.DLL: allocation by ordinal, the live-block count, planned failures.
#include "DAZ32.h"

#include <gtest/gtest.h>
#include <windows.h>

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
}

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
