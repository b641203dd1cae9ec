// What each kind of wrapper makes and reads back.
#include "GdiTestSupport.h"

#include <stdlib.h>

TEST(Bitmap, LoadsFromTheResourceModuleWithItsPixels)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(100));
    BITMAP info = {};
    ASSERT_EQ(static_cast<int>(sizeof(info)), bitmap.GetBitmap(&info));
    EXPECT_EQ(3, info.bmWidth);
    EXPECT_EQ(2, info.bmHeight);
    EXPECT_EQ(0, bitmap.GetBitmap(nullptr));

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap* previous = dc.SelectObject(&bitmap);
    ASSERT_NE(nullptr, previous);
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 255), dc.GetPixel(2, 0));
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(0, 1));
    EXPECT_EQ(RGB(128, 128, 0), dc.GetPixel(2, 1));
    dc.SelectObject(previous);
}

TEST(Bitmap, MissingResourceLeavesTheWrapperEmpty)
{
    CBitmap bitmap;
    EXPECT_FALSE(bitmap.LoadBitmap(4242));
    EXPECT_FALSE(bitmap.LoadBitmap(L"NO_SUCH_BITMAP"));
    EXPECT_EQ(nullptr, bitmap.m_hObject);
}

TEST(Bitmap, CompatibleBitmapHasTheAskedSize)
{
    CDC screen;
    ASSERT_TRUE(screen.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 17, 5));
    BITMAP info = {};
    ASSERT_TRUE(bitmap.GetBitmap(&info));
    EXPECT_EQ(17, info.bmWidth);
    EXPECT_EQ(5, info.bmHeight);
    EXPECT_EQ(static_cast<HBITMAP>(bitmap.m_hObject), static_cast<HBITMAP>(bitmap));
}

TEST(Palette, EntriesReadBack)
{
    struct {
        WORD version;
        WORD count;
        PALETTEENTRY entries[3];
    } logPalette = {0x300, 3, {{255, 0, 0, 0}, {0, 128, 0, 0}, {10, 20, 30, 0}}};
    CPalette palette;
    EXPECT_EQ(0, palette.GetEntryCount());
    ASSERT_TRUE(palette.CreatePalette(reinterpret_cast<LOGPALETTE*>(&logPalette)));
    EXPECT_EQ(3, palette.GetEntryCount());
    PALETTEENTRY read[3] = {};
    ASSERT_EQ(3u, palette.GetPaletteEntries(0, 3, read));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(logPalette.entries[i].peRed, read[i].peRed) << i;
        EXPECT_EQ(logPalette.entries[i].peGreen, read[i].peGreen) << i;
        EXPECT_EQ(logPalette.entries[i].peBlue, read[i].peBlue) << i;
    }
    EXPECT_EQ(3u, palette.GetPaletteEntries(0, 0, nullptr));
    EXPECT_EQ(2u, palette.GetNearestPaletteIndex(RGB(12, 19, 33)));
    ASSERT_TRUE(palette.ResizePalette(5));
    EXPECT_EQ(5, palette.GetEntryCount());
    EXPECT_EQ(static_cast<HPALETTE>(palette.m_hObject), static_cast<HPALETTE>(palette));
}

TEST(Palette, EmptyWrapperAnswersNothing)
{
    CPalette palette;
    PALETTEENTRY entry = {};
    EXPECT_EQ(0u, palette.GetPaletteEntries(0, 1, &entry));
    EXPECT_EQ(0u, palette.SetPaletteEntries(0, 1, &entry));
    EXPECT_EQ(CLR_INVALID, palette.GetNearestPaletteIndex(RGB(0, 0, 0)));
    EXPECT_FALSE(palette.ResizePalette(4));
}

TEST(Font, LogFontReadsBack)
{
    CFont font;
    ASSERT_TRUE(font.CreateFont(-20, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma"));
    LOGFONT logFont = {};
    ASSERT_EQ(static_cast<int>(sizeof(logFont)), font.GetLogFont(&logFont));
    EXPECT_EQ(-20, logFont.lfHeight);
    EXPECT_EQ(FW_BOLD, logFont.lfWeight);
    EXPECT_TRUE(logFont.lfItalic);
    EXPECT_STREQ(L"Tahoma", logFont.lfFaceName);
    EXPECT_EQ(0, font.GetLogFont(nullptr));
}

TEST(Font, PointSizeFollowsTheContextsResolutionAndMapping)
{
    CFont screenFont;
    ASSERT_TRUE(screenFont.CreatePointFont(120, L"Tahoma"));
    LOGFONT logFont = {};
    ASSERT_TRUE(screenFont.GetLogFont(&logFont));
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    // 12 points are a sixth of an inch.
    EXPECT_EQ(-MulDiv(pixelsPerInch, 120, 720), logFont.lfHeight);

    // In hundredths of an inch a sixth of an inch is about 17 units, at any
    // resolution; the attribute context decides.
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    dc.SetMapMode(MM_LOENGLISH);
    CFont mappedFont;
    ASSERT_TRUE(mappedFont.CreatePointFont(120, L"Tahoma", &dc));
    ASSERT_TRUE(mappedFont.GetLogFont(&logFont));
    EXPECT_GE(abs(logFont.lfHeight), 16);
    EXPECT_LE(abs(logFont.lfHeight), 17);
    EXPECT_LT(logFont.lfHeight, 0);
}

TEST(Region, ShapesAndCombination)
{
    CRgn left;
    CRgn right;
    ASSERT_TRUE(left.CreateRectRgn(0, 0, 10, 10));
    RECT rightRect = {20, 0, 30, 10};
    ASSERT_TRUE(right.CreateRectRgnIndirect(&rightRect));
    CRgn both;
    EXPECT_EQ(ERROR, both.CombineRgn(&left, &right, RGN_OR));   // needs a region to hold the result
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(COMPLEXREGION, both.CombineRgn(&left, &right, RGN_OR));
    EXPECT_EQ(ERROR, both.CombineRgn(&left, nullptr, RGN_OR));
    EXPECT_TRUE(both.PtInRegion(CPoint(5, 5)));
    EXPECT_TRUE(both.PtInRegion(CPoint(25, 5)));
    EXPECT_FALSE(both.PtInRegion(CPoint(15, 5)));
    CRect box;
    EXPECT_EQ(COMPLEXREGION, both.GetRgnBox(&box));
    EXPECT_EQ(CRect(0, 0, 30, 10), box);
    EXPECT_EQ(SIMPLEREGION, both.CombineRgn(&right, nullptr, RGN_COPY));
    EXPECT_FALSE(both.PtInRegion(CPoint(5, 5)));

    CRgn ellipse;
    ASSERT_TRUE(ellipse.CreateEllipticRgn(0, 0, 20, 20));
    EXPECT_TRUE(ellipse.PtInRegion(CPoint(10, 10)));
    EXPECT_FALSE(ellipse.PtInRegion(CPoint(0, 0)));
}
