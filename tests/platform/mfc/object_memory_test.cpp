// Memory of framework objects: a block goes back to the allocator of the
// module that allocated it, whichever module deletes the object. The test
// extension DLL's allocator counts its blocks in a private heap.
#include "ModuleTestSupport.h"
#include "Shapes.h"
#include "TestExtension.h"

#include <gtest/gtest.h>

#include <string.h>
#include <afxdiag.h>

namespace {

class ExtensionAllocator : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(extension.loaded());
        liveBlocks = extension.function<PFN_TestExt_GetLiveBlocks>("TestExt_GetLiveBlocks");
        failAllocations = extension.function<PFN_TestExt_FailAllocations>("TestExt_FailAllocations");
        record = extension.function<PFN_TestExt_GetModuleRecord>("TestExt_GetModuleRecord")();
        allocateOwned = extension.function<PFN_TestExt_AllocateOwned>("TestExt_AllocateOwned");
        newLibrary = extension.function<PFN_TestExt_NewLibrary>("TestExt_NewLibrary");
        newCircle = extension.function<PFN_TestExt_NewCircle>("TestExt_NewCircle");
        liveShapes = extension.function<PFN_TestExt_GetLiveShapes>("TestExt_GetLiveShapes");
        ASSERT_TRUE(liveBlocks && failAllocations && record && allocateOwned && newLibrary && newCircle && liveShapes);
    }
    void TearDown() override
    {
        if (failAllocations)
            failAllocations(FALSE);
    }

    LoadedModule extension{kExtensionA};
    PFN_TestExt_GetLiveBlocks liveBlocks = nullptr;
    PFN_TestExt_FailAllocations failAllocations = nullptr;
    AFX_EXTENSION_MODULE* record = nullptr;
    PFN_TestExt_AllocateOwned allocateOwned = nullptr;
    PFN_TestExt_NewLibrary newLibrary = nullptr;
    PFN_TestExt_NewCircle newCircle = nullptr;
    PFN_TestExt_GetLiveShapes liveShapes = nullptr;
};

TEST_F(ExtensionAllocator, TheFrameworkGivesTheDllsLibraryBackToTheDll)
{
    // DllMain's CDynLinkLibrary is the DLL's only block.
    EXPECT_EQ(liveBlocks(), 1);
    AfxTermExtensionModule(*record);
    EXPECT_EQ(liveBlocks(), 0);
}

TEST_F(ExtensionAllocator, ObjectsAllocatedByTheDllAndDeletedHereReturnToIt)
{
    const long base = liveBlocks();
    CObject* circle = newCircle();
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(liveBlocks(), base + 1);
    EXPECT_EQ(liveShapes(), 1);
    delete circle;
    EXPECT_EQ(liveBlocks(), base);
    EXPECT_EQ(liveShapes(), 0);

    // Its class's deleting destructor is the framework's.
    LoadedModule resources(kLanguage);
    CDynLinkLibrary* library = newLibrary(resources.handle(), FALSE);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(liveBlocks(), base + 1);
    delete library;
    EXPECT_EQ(liveBlocks(), base);

    void* block = allocateOwned(100);
    ASSERT_NE(block, nullptr);
    memset(block, 0xA5, 100);
    EXPECT_EQ(liveBlocks(), base + 1);
    CObject::operator delete(block);
    EXPECT_EQ(liveBlocks(), base);
}

TEST_F(ExtensionAllocator, WithoutMemoryNoConstructorRuns)
{
    const long base = liveBlocks();
    const int libraries = AfxDiagGetLibraryCount();
    LoadedModule resources(kLanguage);
    failAllocations(TRUE);
    EXPECT_EQ(newCircle(), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CTestCircle"), nullptr);
    EXPECT_EQ(liveShapes(), 0);
    EXPECT_EQ(newLibrary(resources.handle(), FALSE), nullptr);
    EXPECT_EQ(AfxDiagGetLibraryCount(), libraries);
    EXPECT_EQ(allocateOwned(8), nullptr);
    failAllocations(FALSE);
    EXPECT_EQ(liveBlocks(), base);
}

TEST(ObjectMemory, AbsurdSizesAreRefusedAndNullIsIgnored)
{
    EXPECT_EQ(CObject::operator new(static_cast<size_t>(-1)), nullptr);
    EXPECT_EQ(CObject::operator new(static_cast<size_t>(-1) - 7), nullptr);   // no room for the owner
    EXPECT_EQ(CObject::operator new((static_cast<size_t>(-1) >> 1) - 15), nullptr);   // half the address space
    CObject::operator delete(nullptr);
    void* block = CObject::operator new(0);
    EXPECT_NE(block, nullptr);
    CObject::operator delete(block);
}

class CPlaced : public CObject {
public:
    explicit CPlaced(int* pnLive) : m_pnLive(pnLive) { ++*m_pnLive; }
    ~CPlaced() override { --*m_pnLive; }

private:
    int* m_pnLive;
};

TEST(ObjectMemory, PlacementNewBuildsInTheCallersStorage)
{
    alignas(CPlaced) unsigned char storage[sizeof(CPlaced)];
    int live = 0;
    CObject* placed = new (storage) CPlaced(&live);
    EXPECT_EQ(static_cast<void*>(placed), static_cast<void*>(storage));
    EXPECT_EQ(live, 1);
    EXPECT_TRUE(placed->IsKindOf(RUNTIME_CLASS(CObject)));
    placed->~CObject();
    EXPECT_EQ(live, 0);
}

} // namespace
