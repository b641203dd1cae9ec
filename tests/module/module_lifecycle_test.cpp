// Loading and unloading the library in a running host: what it joins at load
// it leaves at unload, and what it takes it gives back.
#include <afx.h>

#include "BasisDiagnostics.h"
#include "DAZ32.h"
#include "LexorinUILanguageMgr.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <afxdiag.h>

namespace {

const wchar_t kLibrary[] = L"Dialogs.dll";

// The library's own bitmap, found only while the library is in the
// framework's chain.
HINSTANCE libraryInChain()
{
    return AfxFindResourceHandle(MAKEINTRESOURCEW(1007), RT_BITMAP);
}

void failNextExtensionInit()
{
    auto fail = reinterpret_cast<void(__cdecl*)()>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"MFC71U.DLL"), "AfxDiagFailNextExtensionInit")));
    ASSERT_NE(fail, nullptr);
    fail();
}

TEST(Lifecycle, LoadJoinsChainAndManagerAndUnloadLeavesThemAsTheyWere)
{
    CT_UILanguageMgr* manager = CT_UILanguageMgr::spco_GetUILanguageMgr();
    const long blocks = DAZ_GetLiveBlockCount();
    const unsigned switches = manager->n_GetSwitchCount();
    ASSERT_EQ(GetModuleHandleW(kLibrary), nullptr);

    HMODULE library = LoadLibraryW(kLibrary);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(libraryInChain(), library);
    EXPECT_EQ(manager->n_GetSwitchCount(), switches + 1);
    EXPECT_NE(GetModuleHandleW(L"DialogsENU.dll"), nullptr);
    // The chain's record of the library lives in the product allocator.
    EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks + 1);

    ASSERT_TRUE(FreeLibrary(library));
    EXPECT_EQ(GetModuleHandleW(kLibrary), nullptr);
    EXPECT_NE(libraryInChain(), library);
    EXPECT_EQ(manager->n_GetSwitchCount(), switches);
    EXPECT_EQ(GetModuleHandleW(L"DialogsENU.dll"), nullptr);
    EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks);
}

// The bitmap window class's name lives in the basis library's heap from the
// first bitmap object on, until the library unloads.
TEST(Lifecycle, UnloadFreesTheBitmapWindowClassName)
{
    ASSERT_EQ(GetModuleHandleW(kLibrary), nullptr);
    const long blocks = LexorinBasis_GetLiveBlockCount();
    HMODULE plugin = LoadLibraryW(L"BitmapPlugin.dll");
    ASSERT_NE(plugin, nullptr);
    auto useBigBitmap = reinterpret_cast<const void* (*)()>(GetProcAddress(plugin, "UseBigBitmap"));
    ASSERT_NE(useBigBitmap, nullptr);
    const long loaded = LexorinBasis_GetLiveBlockCount();
    EXPECT_NE(useBigBitmap(), nullptr);
    EXPECT_GT(LexorinBasis_GetLiveBlockCount(), loaded) << "the name is kept";

    ASSERT_TRUE(FreeLibrary(plugin));
    EXPECT_EQ(GetModuleHandleW(kLibrary), nullptr) << "the plug-in took the library with it";
    EXPECT_EQ(LexorinBasis_GetLiveBlockCount(), blocks);
}

TEST(Lifecycle, LoadingAgainAfterUnloadWorksTheSame)
{
    const long blocks = DAZ_GetLiveBlockCount();
    for (int i = 0; i < 3; ++i) {
        HMODULE library = LoadLibraryW(kLibrary);
        ASSERT_NE(library, nullptr);
        EXPECT_EQ(libraryInChain(), library);
        ASSERT_TRUE(FreeLibrary(library));
    }
    EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks);
}

TEST(Lifecycle, FailedExtensionInitRefusesTheLoadAndRegistersNothing)
{
    CT_UILanguageMgr* manager = CT_UILanguageMgr::spco_GetUILanguageMgr();
    const long blocks = DAZ_GetLiveBlockCount();
    const unsigned switches = manager->n_GetSwitchCount();
    failNextExtensionInit();

    const UINT mode = SetErrorMode(SEM_FAILCRITICALERRORS);
    HMODULE library = LoadLibraryW(kLibrary);
    SetErrorMode(mode);
    EXPECT_EQ(library, nullptr);
    EXPECT_EQ(GetModuleHandleW(kLibrary), nullptr);
    EXPECT_EQ(manager->n_GetSwitchCount(), switches);
    EXPECT_EQ(GetModuleHandleW(L"DialogsENU.dll"), nullptr);
    EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks);

    // The next load is not affected.
    library = LoadLibraryW(kLibrary);
    ASSERT_NE(library, nullptr);
    FreeLibrary(library);
}

TEST(Lifecycle, WithoutMemoryForTheChainRecordTheLibraryStillLoads)
{
    CT_UILanguageMgr* manager = CT_UILanguageMgr::spco_GetUILanguageMgr();
    const long blocks = DAZ_GetLiveBlockCount();
    const unsigned switches = manager->n_GetSwitchCount();

    DAZ_FailAllocationsAfter(0);
    HMODULE library = LoadLibraryW(kLibrary);
    DAZ_FailAllocationsAfter(-1);
    ASSERT_NE(library, nullptr);
    EXPECT_NE(libraryInChain(), library);
    EXPECT_EQ(manager->n_GetSwitchCount(), switches + 1);
    EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks);

    ASSERT_TRUE(FreeLibrary(library));
    EXPECT_EQ(manager->n_GetSwitchCount(), switches);
    EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks);
}

} // namespace
