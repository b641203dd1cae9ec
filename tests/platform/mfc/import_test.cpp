// A host that imports an extension DLL's classes: their run-time classes are
// the DLL's records, and objects allocated on either side go back to the
// allocator that gave them. This program counts its own blocks too.
#include "CountingAllocator.h"
#include "Shapes.h"
#include "TestExtension.h"

#include <gtest/gtest.h>

namespace {

TEST(ImportedClasses, RunTimeClassesAreTheDllsRecords)
{
    CRuntimeClass* circle = RUNTIME_CLASS(CTestCircle);
    EXPECT_EQ(CRuntimeClass::FromName("CTestCircle"), circle);
    EXPECT_STREQ(circle->m_lpszClassName, "CTestCircle");
    EXPECT_TRUE(circle->IsDerivedFrom(RUNTIME_CLASS(CTestShape)));
    EXPECT_EQ(RUNTIME_CLASS(CTestSquare)->m_pfnGetBaseClass(), RUNTIME_CLASS(CTestShape));

    CTestCircle onStack;
    EXPECT_EQ(onStack.m_nRadius, 7);
    EXPECT_EQ(onStack.GetRuntimeClass(), circle);
    EXPECT_TRUE(onStack.IsKindOf(RUNTIME_CLASS(CObject)));
}

TEST(ImportedClasses, AllocatedHereAndDestroyedInTheDllTheBlockComesBackHere)
{
    const long mine = CountingAllocator_GetLiveBlocks();
    const long theirs = TestExt_GetLiveBlocks();
    CObject* circle = new CTestCircle;
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(CountingAllocator_GetLiveBlocks(), mine + 1);
    EXPECT_EQ(TestExt_GetLiveBlocks(), theirs);
    delete circle;   // the deleting destructor is the DLL's
    EXPECT_EQ(CountingAllocator_GetLiveBlocks(), mine);
    EXPECT_EQ(TestExt_GetLiveBlocks(), theirs);
    EXPECT_EQ(TestExt_GetLiveShapes(), 0);
}

TEST(ImportedClasses, AllocatedInTheDllAndDeletedHereTheBlockGoesBackThere)
{
    const long mine = CountingAllocator_GetLiveBlocks();
    const long theirs = TestExt_GetLiveBlocks();
    CObject* made = TestExt_NewCircle();
    CObject* created = RUNTIME_CLASS(CTestCircle)->CreateObject();
    ASSERT_NE(made, nullptr);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(TestExt_GetLiveBlocks(), theirs + 2);
    delete made;
    delete created;
    EXPECT_EQ(TestExt_GetLiveBlocks(), theirs);
    EXPECT_EQ(CountingAllocator_GetLiveBlocks(), mine);
}

TEST(ImportedClasses, AChainEntryAllocatedHereIsFreedHereWhenTheFrameworkDeletesIt)
{
    const long mine = CountingAllocator_GetLiveBlocks();
    AFX_EXTENSION_MODULE record = {};
    // A module without run-time classes: nothing is claimed from the list.
    ASSERT_TRUE(AfxInitExtensionModule(record, GetModuleHandleW(L"KERNEL32.DLL")));
    ASSERT_NE(new CDynLinkLibrary(record), nullptr);
    EXPECT_EQ(CountingAllocator_GetLiveBlocks(), mine + 1);
    AfxTermExtensionModule(record);
    EXPECT_EQ(CountingAllocator_GetLiveBlocks(), mine);
    EXPECT_NE(CRuntimeClass::FromName("CTestCircle"), nullptr);
}

} // namespace
