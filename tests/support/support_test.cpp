// The counting helpers must catch what they are there to catch.
#include "GdiCounter.h"
#include "ImportPatch.h"

#include <gtest/gtest.h>

namespace {

// The file name of this test program, the module the counters watch.
const wchar_t* programName()
{
    static wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return wcsrchr(path, L'\\') + 1;
}

TEST(GdiCounter, CatchesADeliberateLeakAndSeesBalancedUseAsBalanced)
{
    GdiCounter counter({programName()});
    ASSERT_TRUE(counter.watching());

    HBRUSH kept = CreateSolidBrush(RGB(1, 2, 3));
    HFONT font = CreateFontW(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
    HDC memory = CreateCompatibleDC(nullptr);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(counter.liveObjects(), 3u);
    EXPECT_EQ(counter.liveWindowDCs(), 1u);

    DeleteObject(font);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(counter.liveObjects(), 1u);   // the brush: the leak
    EXPECT_EQ(counter.liveWindowDCs(), 0u);
    EXPECT_EQ(counter.created(), 3u);

    DeleteObject(kept);
    EXPECT_EQ(counter.liveObjects(), 0u);
}

TEST(GdiCounter, ObjectsFromBeforeOrOutsideAreNotCounted)
{
    HBRUSH before = CreateSolidBrush(RGB(9, 9, 9));
    GdiCounter counter({programName(), L"NoSuchModule.dll"});
    EXPECT_FALSE(counter.watching());
    DeleteObject(before);
    EXPECT_EQ(counter.liveObjects(), 0u);
    DeleteObject(GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(counter.liveObjects(), 0u);
}

// A call of its own, so that each use reads the import table afresh.
__attribute__((noinline)) int numColors(HDC dc)
{
    return GetDeviceCaps(dc, NUMCOLORS);
}

int WINAPI fakeNumColors(HDC, int index) { return index == NUMCOLORS ? 16 : 0; }

TEST(ImportPatch, RedirectsOneImportForItsLifetime)
{
    HDC screen = GetDC(nullptr);
    const int real = numColors(screen);
    {
        ImportPatch patch(GetModuleHandleW(nullptr), "gdi32.dll", "GetDeviceCaps", (void*)fakeNumColors);
        ASSERT_TRUE(patch.ok());
        EXPECT_EQ(numColors(screen), 16);
        EXPECT_EQ(patch.original<int(WINAPI*)(HDC, int)>()(screen, NUMCOLORS), real);
    }
    EXPECT_EQ(numColors(screen), real);
    ImportPatch missing(GetModuleHandleW(nullptr), "gdi32.dll", "NoSuchFunction", nullptr);
    EXPECT_FALSE(missing.ok());
    ReleaseDC(nullptr, screen);
}

} // namespace
