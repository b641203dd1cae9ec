// The soak's counting must catch what it is there to catch: each count grows
// with a leak made on purpose, returns when it is given back, and the
// comparison the soak makes fails on it.
#include <afxwin.h>

#include "LeakCounts.h"
#include "LexorinInterface.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <oleacc.h>

#include <map>
#include <string>

namespace {

const unsigned kGermanFlag = 0x0407;

// The allocator's operations have no names: modules import them by ordinal.
void* dazAllocate(size_t size)
{
    auto allocate = reinterpret_cast<void*(__cdecl*)(size_t)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"DAZ32.DLL"), MAKEINTRESOURCEA(251))));
    return allocate ? allocate(size) : nullptr;
}

void dazFree(void* block)
{
    auto free = reinterpret_cast<void(__cdecl*)(void*)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"DAZ32.DLL"), MAKEINTRESOURCEA(250))));
    if (free)
        free(block);
}

std::map<std::string, long long> byName(const LeakCounts& counts)
{
    std::map<std::string, long long> named;
    for (const auto& value : counts.values)
        named[value.first] = value.second;
    return named;
}

// One thing of each kind that a soak watches, taken through the same
// modules as the library takes them, and given back on request.
struct DeliberateLeaks {
    void take()
    {
        libraryBlock = dazAllocate(32);
        basisString = new CT_UString(L"kept on purpose");
        const CT_UString face(L"Tahoma");
        font = CT_FontManager::spco_GetFontManager()->pco_Hire(nullptr, &face, 1, 23, 1, 0, 0, 0);
        flag = CT_BitmapManager::spco_GetBitmapManager()->pco_Hire(kGermanFlag);
        brush.CreateSolidBrush(RGB(1, 2, 3));   // through the framework's GDI import
        window = new CWnd;
        window->CreateEx(0, L"STATIC", L"kept", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
        windowDC = window->GetDC();
        temporary = CWnd::FromHandle(GetDesktopWindow());
        imageList.Create(16, 16, ILC_COLOR24, 1, 1);
        temporaryImages = CImageList::FromHandle(imageList.Detach());
        temporaryBrush = CBrush::FromHandle(static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        accessible = accessibleObjectOfAGoneLink();
    }
    void giveBack()
    {
        dazFree(libraryBlock);
        delete basisString;
        CT_FontManager::spco_GetFontManager()->v_Fire(font);
        CT_BitmapManager::spco_GetBitmapManager()->v_Fire(flag);
        brush.DeleteObject();
        window->ReleaseDC(windowDC);
        window->DestroyWindow();
        delete window;
        ImageList_Destroy(temporaryImages->m_hImageList);
        CWnd::DeleteTempMap();
        CImageList::DeleteTempMap();
        CGdiObject::DeleteTempMap();
        if (accessible)
            accessible->Release();
        CoUninitialize();
    }

    // Held by this thread as a client holds one, after its link has gone.
    IAccessible* accessibleObjectOfAGoneLink()
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        CT_HttpLink link;
        link.SubclassWindow(CreateWindowW(L"STATIC", L"link", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                          nullptr));
        IAccessible* object = nullptr;
        AccessibleObjectFromWindow(link.m_hWnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
        link.DestroyWindow();
        return object;
    }

    void* libraryBlock = nullptr;
    CT_UString* basisString = nullptr;
    CT_LogicalFont* font = nullptr;
    CT_Bitmap* flag = nullptr;
    CBrush brush;
    CWnd* window = nullptr;
    CDC* windowDC = nullptr;
    CWnd* temporary = nullptr;
    CImageList imageList;
    CImageList* temporaryImages = nullptr;
    CGdiObject* temporaryBrush = nullptr;
    IAccessible* accessible = nullptr;
};

TEST(LeakCounts, EveryCountCatchesADeliberateLeak)
{
    LeakWatch watch;
    ASSERT_TRUE(watch.watching());
    // Once for the thread's first window and the managers' first hires.
    DeliberateLeaks warmUp;
    warmUp.take();
    warmUp.giveBack();
    const LeakCounts before = watch.read();

    DeliberateLeaks leaks;
    leaks.take();
    ASSERT_NE(leaks.libraryBlock, nullptr);
    ASSERT_NE(leaks.font, nullptr);
    ASSERT_NE(leaks.flag, nullptr);
    ASSERT_NE(leaks.window->m_hWnd, nullptr);
    ASSERT_NE(leaks.windowDC, nullptr);
    ASSERT_NE(leaks.accessible, nullptr);
    const LeakCounts during = watch.read();

    std::map<std::string, long long> was = byName(before), is = byName(during);
    for (const auto& count : was)
        EXPECT_GT(is[count.first], count.second) << count.first << " missed its leak";
    EXPECT_EQ(is["font hires"], was["font hires"] + 1);
    EXPECT_EQ(is["bitmap hires"], was["bitmap hires"] + 1);
    EXPECT_EQ(is["window DCs"], was["window DCs"] + 1);
    EXPECT_EQ(is["permanent window objects"], was["permanent window objects"] + 1);
    EXPECT_EQ(is["accessible objects"], was["accessible objects"] + 1);

    // The soak's comparison reports every one of them.
    ::testing::TestPartResultArray reported;
    {
        ::testing::ScopedFakeTestPartResultReporter intercept(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &reported);
        expectUnchanged(before, during);
    }
    ASSERT_EQ(reported.size(), before.values.size());
    for (int i = 0; i < reported.size(); ++i)
        EXPECT_NE(std::string(reported.GetTestPartResult(i).message()).find(before.values[i].first),
                  std::string::npos);
    EXPECT_NE(describe(before, during).find("font hires " + std::to_string(was["font hires"]) + " -> " +
                                            std::to_string(is["font hires"]) + " (CHANGED)"),
              std::string::npos);

    leaks.giveBack();
    const LeakCounts after = watch.read();
    expectUnchanged(before, after);
    EXPECT_EQ(describe(before, after).find("CHANGED"), std::string::npos);
}

} // namespace
