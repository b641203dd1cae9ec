// Extension-module records and the chain: joining at load, leaving at
// unload, initialising and terminating twice, terminating one module or all,
// and the diagnostic that makes an initialisation fail.
#include "ModuleTestSupport.h"
#include "TestExtension.h"

#include <gtest/gtest.h>
#include <afxdiag.h>

namespace {

AFX_EXTENSION_MODULE* recordOf(const LoadedModule& module)
{
    auto get = module.function<PFN_TestExt_GetModuleRecord>("TestExt_GetModuleRecord");
    return get ? get() : nullptr;
}

CDynLinkLibrary* firstLibrary()
{
    return AfxGetModuleState()->_m_pLibraryList;
}

TEST(ExtensionModule, LoadingJoinsTheChainAndUnloadingLeavesIt)
{
    const int before = AfxDiagGetLibraryCount();
    {
        LoadedModule a(kExtensionA);
        ASSERT_TRUE(a.loaded());
        EXPECT_EQ(AfxDiagGetLibraryCount(), before + 1);
        AFX_EXTENSION_MODULE* record = recordOf(a);
        ASSERT_NE(record, nullptr);
        EXPECT_TRUE(record->bInitialized);
        EXPECT_EQ(record->hModule, a.handle());
        EXPECT_EQ(record->hResource, a.handle());
        EXPECT_NE(record->pFirstSharedClass, nullptr);

        CDynLinkLibrary* library = firstLibrary();
        ASSERT_NE(library, nullptr);
        EXPECT_EQ(library->_m_hModule, a.handle());
        EXPECT_EQ(library->_m_hResource, a.handle());
        EXPECT_EQ(library->_m_pClassList, record->pFirstSharedClass);
        EXPECT_FALSE(library->_m_bSystem);
        EXPECT_TRUE(library->IsKindOf(RUNTIME_CLASS(CDynLinkLibrary)));

        LoadedModule b(kExtensionB);
        ASSERT_TRUE(b.loaded());
        EXPECT_EQ(AfxDiagGetLibraryCount(), before + 2);
        EXPECT_EQ(firstLibrary()->_m_hModule, b.handle());
        b.unload();
        EXPECT_EQ(AfxDiagGetLibraryCount(), before + 1);
        EXPECT_EQ(firstLibrary(), library);
    }
    EXPECT_EQ(AfxDiagGetLibraryCount(), before);
}

TEST(ExtensionModule, InitRefusesANullModuleAndTermOfAnEmptyRecordDoesNothing)
{
    const int before = AfxDiagGetLibraryCount();
    AFX_EXTENSION_MODULE record = {};
    EXPECT_FALSE(AfxInitExtensionModule(record, nullptr));
    EXPECT_FALSE(record.bInitialized);
    EXPECT_EQ(record.hModule, nullptr);
    AfxTermExtensionModule(record);
    AfxTermExtensionModule(record, TRUE);
    EXPECT_EQ(AfxDiagGetLibraryCount(), before);
}

TEST(ExtensionModule, InitAndTermTwiceAreHarmless)
{
    const int before = AfxDiagGetLibraryCount();
    LoadedModule a(kExtensionA);
    ASSERT_TRUE(a.loaded());
    AFX_EXTENSION_MODULE* record = recordOf(a);
    ASSERT_NE(record, nullptr);
    CRuntimeClass* claimed = record->pFirstSharedClass;

    EXPECT_TRUE(AfxInitExtensionModule(*record, a.handle()));
    EXPECT_EQ(record->pFirstSharedClass, claimed);
    EXPECT_EQ(AfxDiagGetLibraryCount(), before + 1);
    // A record stands for one module only.
    LoadedModule other(kLanguage);
    EXPECT_FALSE(AfxInitExtensionModule(*record, other.handle()));
    EXPECT_EQ(record->hModule, a.handle());
    EXPECT_NE(CRuntimeClass::FromName("CTestCircle"), nullptr);

    AfxTermExtensionModule(*record);
    EXPECT_EQ(AfxDiagGetLibraryCount(), before);
    EXPECT_EQ(CRuntimeClass::FromName("CTestCircle"), nullptr);
    EXPECT_FALSE(record->bInitialized);
    EXPECT_EQ(record->hModule, nullptr);
    EXPECT_EQ(record->pFirstSharedClass, nullptr);

    AfxTermExtensionModule(*record);
    EXPECT_EQ(AfxDiagGetLibraryCount(), before);
    a.unload();   // the DLL's own detach terminates a third time
    EXPECT_EQ(AfxDiagGetLibraryCount(), before);
}

TEST(ExtensionModule, TermDeletesTheLibrariesOfItsModuleOnlyOrAllOfThem)
{
    ASSERT_EQ(AfxDiagGetLibraryCount(), 0);
    LoadedModule a(kExtensionA);
    LoadedModule b(kExtensionB);
    LoadedModule system(kSystem);
    ASSERT_TRUE(a.loaded() && b.loaded() && system.loaded());
    new CDynLinkLibrary(system.handle(), system.handle());
    ASSERT_EQ(AfxDiagGetLibraryCount(), 3);

    AfxTermExtensionModule(*recordOf(a));
    EXPECT_EQ(AfxDiagGetLibraryCount(), 2);
    for (CDynLinkLibrary* library = firstLibrary(); library; library = library->_m_pNextDLL)
        EXPECT_NE(library->_m_hModule, a.handle());

    AfxTermExtensionModule(*recordOf(b), TRUE);
    EXPECT_EQ(AfxDiagGetLibraryCount(), 0);
    EXPECT_FALSE(recordOf(b)->bInitialized);
}

TEST(ExtensionModule, DiagnosticFailsExactlyTheNextInit)
{
    ASSERT_NE(GetProcAddress(GetModuleHandleW(L"MFC71U.DLL"), "AfxDiagFailNextExtensionInit"), nullptr);
    LoadedModule resources(kLanguage);
    ASSERT_TRUE(resources.loaded());
    AFX_EXTENSION_MODULE record = {};

    AfxDiagFailNextExtensionInit();
    EXPECT_FALSE(AfxInitExtensionModule(record, resources.handle()));
    EXPECT_FALSE(record.bInitialized);
    EXPECT_TRUE(AfxInitExtensionModule(record, resources.handle()));
    EXPECT_TRUE(record.bInitialized);
    AfxTermExtensionModule(record);
}

TEST(ExtensionModule, AFailedInitRefusesTheDllAndLeavesNoClassBehind)
{
    const int before = AfxDiagGetLibraryCount();
    AfxDiagFailNextExtensionInit();
    {
        LoadedModule refused(kExtensionA);
        EXPECT_FALSE(refused.loaded());
    }
    EXPECT_EQ(GetModuleHandleW(kExtensionA), nullptr);
    EXPECT_EQ(AfxDiagGetLibraryCount(), before);
    // The refused DLL's class records are gone with it; the list still holds
    // the framework's classes.
    EXPECT_EQ(CRuntimeClass::FromName("CTestCircle"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CCmdTarget"), RUNTIME_CLASS(CCmdTarget));

    LoadedModule accepted(kExtensionA);
    ASSERT_TRUE(accepted.loaded());
    EXPECT_NE(CRuntimeClass::FromName("CTestCircle"), nullptr);
    EXPECT_EQ(AfxDiagGetLibraryCount(), before + 1);
}

} // namespace
