// Where resources are found: the current resource module, the extension
// DLLs of the chain (most recently joined first), the application's language
// module, the system DLLs of the chain, and else the current resource module.
// The test modules share one string-table block (strings 7001 to 7004) but
// not every string in it; the executable holds RCDATA 300.
#include "ModuleTestSupport.h"

#include <gtest/gtest.h>
#include <afxdiag.h>

namespace {

HINSTANCE stringOwner(UINT nID)
{
    return AfxFindStringResourceHandle(nID);
}

HINSTANCE dataOwner()
{
    return AfxFindResourceHandle(MAKEINTRESOURCEW(300), RT_RCDATA);
}

CString loaded(UINT nID)
{
    CString text;
    text.LoadString(nID);
    return text;
}

TEST(ResourceLookup, DefaultsAreTheApplicationsModule)
{
    const HMODULE exe = GetModuleHandleW(nullptr);
    EXPECT_EQ(AfxGetModuleState(), AfxGetAppModuleState());
    EXPECT_EQ(AfxGetInstanceHandle(), exe);
    EXPECT_EQ(AfxGetResourceHandle(), exe);
    EXPECT_EQ(AfxGetModuleState()->_m_hCurrentInstanceHandle, exe);
    EXPECT_EQ(AfxGetModuleState()->_m_hCurrentResourceHandle, exe);
    EXPECT_EQ(AfxGetAppModuleState()->m_appLangDLL, nullptr);
    EXPECT_EQ(dataOwner(), exe);
}

TEST(ResourceLookup, TheChainIsSearchedMostRecentlyJoinedFirst)
{
    LoadedModule a(kExtensionA);
    LoadedModule b(kExtensionB);
    ASSERT_TRUE(a.loaded() && b.loaded());
    EXPECT_EQ(stringOwner(7001), b.handle());
    EXPECT_EQ(loaded(7001), L"Extension B");
    // B holds the block of string 7002, but not the string.
    EXPECT_EQ(stringOwner(7002), a.handle());
    EXPECT_EQ(loaded(7002), L"Only in extension A");

    b.unload();
    EXPECT_EQ(stringOwner(7001), a.handle());
    EXPECT_EQ(loaded(7001), L"Extension A");
}

TEST(ResourceLookup, TheCurrentResourceModuleComesFirst)
{
    ResourceSettingsGuard settings;
    LoadedModule a(kExtensionA);
    LoadedModule language(kLanguage);
    ASSERT_TRUE(a.loaded() && language.loaded());

    AfxSetResourceHandle(language.handle());
    EXPECT_EQ(AfxGetResourceHandle(), language.handle());
    EXPECT_EQ(stringOwner(7001), language.handle());
    EXPECT_EQ(loaded(7001), L"Language");
    EXPECT_EQ(dataOwner(), language.handle());
    EXPECT_EQ(stringOwner(7002), a.handle());
}

TEST(ResourceLookup, TheLanguageModuleComesAfterExtensionsAndBeforeSystemLibraries)
{
    ResourceSettingsGuard settings;
    LoadedModule a(kExtensionA);
    LoadedModule language(kLanguage);
    LoadedModule system(kSystem);
    ASSERT_TRUE(a.loaded() && language.loaded() && system.loaded());
    AfxGetAppModuleState()->m_appLangDLL = language.handle();
    CDynLinkLibrary* systemLibrary = new CDynLinkLibrary(system.handle(), system.handle());
    systemLibrary->_m_bSystem = TRUE;

    EXPECT_EQ(stringOwner(7001), a.handle());   // though the system library joined later
    EXPECT_EQ(stringOwner(7003), language.handle());
    EXPECT_EQ(loaded(7003), L"Language 7003");
    EXPECT_EQ(stringOwner(7004), system.handle());
    EXPECT_EQ(loaded(7004), L"Only in system");

    AfxGetAppModuleState()->m_appLangDLL = nullptr;
    EXPECT_EQ(stringOwner(7003), system.handle());

    delete systemLibrary;
    EXPECT_EQ(stringOwner(7004), AfxGetResourceHandle());
    CString text(L"unchanged");
    EXPECT_FALSE(text.LoadString(7004));
    EXPECT_EQ(text, L"unchanged");
}

TEST(ResourceLookup, WhenNobodyHasItTheCurrentResourceModuleIsTheAnswer)
{
    LoadedModule a(kExtensionA);
    ASSERT_TRUE(a.loaded());
    EXPECT_EQ(stringOwner(7999), AfxGetResourceHandle());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(4242), RT_BITMAP), AfxGetResourceHandle());
    EXPECT_EQ(AfxFindResourceHandle(L"NOSUCHNAME", RT_RCDATA), AfxGetResourceHandle());
}

TEST(ResourceLookup, NullNameTypeOrCurrentModuleAreHandledQuietly)
{
    ResourceSettingsGuard settings;
    LoadedModule a(kExtensionA);
    ASSERT_TRUE(a.loaded());
    EXPECT_EQ(AfxFindResourceHandle(nullptr, RT_STRING), AfxGetResourceHandle());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(300), nullptr), AfxGetResourceHandle());

    // A null current module is no module: the executable's RCDATA 300 must
    // not be answered with a null handle.
    AfxSetResourceHandle(nullptr);
    EXPECT_EQ(AfxGetResourceHandle(), nullptr);
    EXPECT_EQ(dataOwner(), a.handle());
    EXPECT_EQ(stringOwner(7001), a.handle());
    EXPECT_EQ(stringOwner(7999), nullptr);
    EXPECT_EQ(AfxFindResourceHandle(nullptr, RT_STRING), nullptr);
    CString text(L"unchanged");
    EXPECT_FALSE(text.LoadString(7999));
    EXPECT_EQ(text, L"unchanged");
}

} // namespace
