// The font manager: shared fonts that really have the asked size, and the
// system's default dialog font.
#include "BasisTestSupport.h"
#include "LexorinBasis.h"

#include <gtest/gtest.h>

namespace {

const unsigned kPixels = 0, kPoints = 1;

// The font as the display realises it.
TEXTMETRICW measure(HFONT font)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return metrics;
}

// The cell height of a font of that character height made here.
LONG referenceCell(int pixels)
{
    HFONT font = CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Arial");
    const LONG cell = measure(font).tmHeight;
    DeleteObject(font);
    return cell;
}

LONG askedHeight(HFONT font)
{
    LOGFONTW logFont = {};
    GetObjectW(font, sizeof logFont, &logFont);
    return logFont.lfHeight;
}

int screenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

class FontManager : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(manager->n_GetHireCount(), 0u);
        ASSERT_EQ(manager->n_GetFontCount(), 0u);
    }
    void TearDown() override
    {
        EXPECT_EQ(manager->n_GetHireCount(), 0u);
        EXPECT_EQ(manager->n_GetFontCount(), 0u);
        EXPECT_EQ(balance.n_Taken(), 0);
    }

    CT_FontManager* manager = CT_FontManager::spco_GetFontManager();
    // Read before the balance starts: the manager keeps it for good.
    const CT_LogicalFont* systemFont = manager->pcco_GetSystemDefaultFont();
    CT_UString arial{L"Arial"};
    HeapBalance balance;
};

TEST_F(FontManager, EqualRequestsShareOneFontUntilTheLastFire)
{
    EXPECT_EQ(CT_FontManager::spco_GetFontManager(), manager);
    CT_UString shouting(L"ARIAL");
    CT_LogicalFont* first = manager->pco_Hire(nullptr, &arial, kPoints, 12, 0, 0, 0, 0);
    ASSERT_NE(first, nullptr);
    HDC screen = GetDC(nullptr);
    CT_LogicalFont* second = manager->pco_Hire(screen, &shouting, kPoints, 12, 0, 0, 0, 0);
    ReleaseDC(nullptr, screen);
    // The same font asked in pixels.
    CT_LogicalFont* third = manager->pco_Hire(nullptr, &arial, kPixels, MulDiv(12, screenDpi(), 72), 0, 0, 0, 0);
    EXPECT_EQ(second, first);
    EXPECT_EQ(third, first);
    EXPECT_EQ(*reinterpret_cast<HFONT*>(first), first->h_GetFont());
    EXPECT_STREQ(first->co_FaceName.qcuz_Get(), L"Arial");
    EXPECT_EQ(first->n_Size, 12u);
    EXPECT_EQ(manager->n_GetFontCount(), 1u);
    EXPECT_EQ(manager->n_GetHireCount(), 3u);

    const HFONT handle = first->h_Font;
    manager->v_Fire(first);
    manager->v_Fire(first);
    manager->v_Fire(nullptr);
    manager->v_Fire(const_cast<CT_LogicalFont*>(systemFont));   // never hired
    EXPECT_EQ(manager->n_GetHireCount(), 1u);
    EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_FONT));
    manager->v_Fire(first);
    EXPECT_EQ(GetObjectType(handle), 0u);   // deleted with the last fire
    EXPECT_EQ(GetObjectType(systemFont->h_Font), static_cast<DWORD>(OBJ_FONT));
}

TEST_F(FontManager, DifferentRequestsGetDifferentFonts)
{
    CT_UString courier(L"Courier New");
    CT_LogicalFont* fonts[] = {
        manager->pco_Hire(nullptr, &arial, kPoints, 10, 0, 0, 0, 0),
        manager->pco_Hire(nullptr, &arial, kPoints, 11, 0, 0, 0, 0),
        manager->pco_Hire(nullptr, &arial, kPoints, 10, 1, 0, 0, 0),
        manager->pco_Hire(nullptr, &arial, kPoints, 10, 0, 1, 0, 0),
        manager->pco_Hire(nullptr, &arial, kPoints, 10, 0, 0, 1, 0),
        manager->pco_Hire(nullptr, &arial, kPoints, 10, 0, 0, 0, 1),
        manager->pco_Hire(nullptr, &courier, kPoints, 10, 0, 0, 0, 0),
    };
    EXPECT_EQ(manager->n_GetFontCount(), 7u);
    for (CT_LogicalFont* font : fonts) {
        EXPECT_NE(font, nullptr);
        manager->v_Fire(font);
    }
}

TEST_F(FontManager, FontsHaveTheAskedHeightAndStyle)
{
    CT_LogicalFont* pixels = manager->pco_Hire(nullptr, &arial, kPixels, 20, 1, 1, 0, 0);
    CT_LogicalFont* points = manager->pco_Hire(nullptr, &arial, kPoints, 7, 0, 0, 0, 0);
    ASSERT_NE(pixels, nullptr);
    ASSERT_NE(points, nullptr);
    // The rasteriser rounds cell and leading apart, so the character height
    // may be one pixel off; the cell is exactly that of the asked height.
    const TEXTMETRICW big = measure(pixels->h_Font);
    EXPECT_EQ(askedHeight(pixels->h_Font), -20);
    EXPECT_EQ(big.tmHeight, referenceCell(20));
    EXPECT_NEAR(big.tmHeight - big.tmInternalLeading, 20, 1);
    EXPECT_EQ(big.tmWeight, FW_BOLD);
    EXPECT_TRUE(big.tmItalic);
    EXPECT_EQ(pixels->b_Bold, TRUE);
    EXPECT_EQ(pixels->n_Size, static_cast<unsigned>(MulDiv(20, 72, screenDpi())));

    const int smallPixels = MulDiv(7, screenDpi(), 72);
    const TEXTMETRICW small = measure(points->h_Font);
    EXPECT_EQ(askedHeight(points->h_Font), -smallPixels);
    EXPECT_EQ(small.tmHeight, referenceCell(smallPixels));
    EXPECT_LT(small.tmHeight, big.tmHeight);
    EXPECT_EQ(small.tmWeight, FW_NORMAL);
    EXPECT_FALSE(small.tmItalic);
    manager->v_Fire(pixels);
    manager->v_Fire(points);
}

TEST_F(FontManager, RequestsThatNameNoFontHireNothing)
{
    CT_UString empty, tooLong(L"A face name much longer than a LOGFONT holds");
    EXPECT_EQ(manager->pco_Hire(nullptr, nullptr, kPoints, 8, 0, 0, 0, 0), nullptr);
    EXPECT_EQ(manager->pco_Hire(nullptr, &empty, kPoints, 8, 0, 0, 0, 0), nullptr);
    EXPECT_EQ(manager->pco_Hire(nullptr, &tooLong, kPoints, 8, 0, 0, 0, 0), nullptr);
    EXPECT_EQ(manager->pco_Hire(nullptr, &arial, kPoints, 0, 0, 0, 0, 0), nullptr);
    EXPECT_EQ(manager->pco_Hire(nullptr, &arial, 2, 8, 0, 0, 0, 0), nullptr);
    EXPECT_EQ(manager->pco_Hire(nullptr, &arial, kPoints, static_cast<unsigned>(-1), 0, 0, 0, 0), nullptr);
    EXPECT_EQ(manager->pco_Hire(nullptr, &arial, kPixels, 0x80000000u, 0, 0, 0, 0), nullptr);
    EXPECT_EQ(manager->pco_Hire(reinterpret_cast<HDC>(0x1234), &arial, kPoints, 8, 0, 0, 0, 0), nullptr);
}

TEST_F(FontManager, WithoutMemoryNothingIsHiredOrLeft)
{
    for (long successes : {0L, 1L}) {   // no font object; no copy of its face name
        NoMemory none(successes);
        EXPECT_EQ(manager->pco_Hire(nullptr, &arial, kPoints, 8, 0, 0, 0, 0), nullptr) << successes;
    }
}

// The stock font that the system documents as the default font of dialog
// boxes, handle and all; the message font may differ from it.
TEST_F(FontManager, TheSystemDefaultFontIsTheStockDialogFont)
{
    const CT_LogicalFont* font = manager->pcco_GetSystemDefaultFont();
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(manager->pcco_GetSystemDefaultFont(), font);
    const HGDIOBJ stock = GetStockObject(DEFAULT_GUI_FONT);
    EXPECT_EQ(manager->h_GetSystemDefaultFont(), stock);
    EXPECT_EQ(font->h_Font, stock);

    LOGFONTW system = {};
    ASSERT_EQ(GetObjectW(stock, sizeof system, &system), static_cast<int>(sizeof system));
    EXPECT_STREQ(font->co_FaceName.qcuz_Get(), system.lfFaceName);
    EXPECT_EQ(font->n_Size, static_cast<unsigned>(MulDiv(-system.lfHeight, 72, screenDpi())));
    EXPECT_EQ(font->n1_CharSet, system.lfCharSet);
    EXPECT_EQ(font->b_Bold, FALSE);
}

} // namespace
