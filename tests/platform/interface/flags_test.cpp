// The language flags of the bitmap cache: real bitmap resources of
// LexorinInterface.dll, read back pixel by pixel.
#include "LexorinInterface.h"
#include "TopDownDib.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

namespace {

const int kWidth = 23, kHeight = 14;

const COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0),
               kYellow = RGB(255, 255, 0), kNavy = RGB(0, 0, 128), kFuchsia = RGB(255, 0, 255);

CT_BitmapManager& manager()
{
    return *CT_BitmapManager::spco_GetBitmapManager();
}

// A bitmap selected into a memory device context for reading.
class Selected {
public:
    explicit Selected(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)), old_(SelectObject(dc_, bitmap)) {}
    ~Selected()
    {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A hired flag, fired when the test is done with it.
class Hired {
public:
    explicit Hired(unsigned id) : bitmap_(manager().pco_Hire(id)) {}
    ~Hired() { manager().v_Fire(bitmap_); }
    CT_Bitmap* get() const { return bitmap_; }
    HBITMAP handle() const { return bitmap_ ? bitmap_->h_Bitmap : nullptr; }

private:
    CT_Bitmap* bitmap_;
};

// The flag's format, as the failure message of a check.
::testing::AssertionResult isFlagFormat(HBITMAP bitmap)
{
    DIBSECTION section = {};
    if (GetObjectW(bitmap, sizeof section, &section) != sizeof section)
        return ::testing::AssertionFailure() << "not a DIB section";
    const BITMAPINFOHEADER& header = section.dsBmih;
    if (header.biWidth != kWidth || header.biHeight != kHeight || header.biBitCount != 4)
        return ::testing::AssertionFailure() << header.biWidth << " x " << header.biHeight << " at "
                                             << header.biBitCount << " bits per pixel";
    return ::testing::AssertionSuccess();
}

std::vector<COLORREF> pixels(HBITMAP bitmap)
{
    Selected selected(bitmap);
    std::vector<COLORREF> all;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            all.push_back(selected.at(x, y));
    return all;
}

TEST(Flags, JapanIsARedDiscOnWhite)
{
    Hired japan(0x0411);
    ASSERT_NE(japan.get(), nullptr);
    EXPECT_TRUE(isFlagFormat(japan.handle()));
    Selected flag(japan.handle());
    EXPECT_EQ(flag.at(11, 6), kRed);
    EXPECT_EQ(flag.at(11, 7), kRed);
    for (POINT corner : {POINT{0, 0}, POINT{kWidth - 1, 0}, POINT{0, kHeight - 1}, POINT{kWidth - 1, kHeight - 1}})
        EXPECT_EQ(flag.at(corner.x, corner.y), kWhite) << corner.x << "," << corner.y;
}

TEST(Flags, GermanyHasBlackRedAndGoldRows)
{
    Hired germany(0x0407);
    ASSERT_NE(germany.get(), nullptr);
    Selected flag(germany.handle());
    for (int x : {0, 11, kWidth - 1}) {
        EXPECT_EQ(flag.at(x, 0), kBlack);
        EXPECT_EQ(flag.at(x, 4), kBlack);
        EXPECT_EQ(flag.at(x, 5), kRed);
        EXPECT_EQ(flag.at(x, 8), kRed);
        EXPECT_EQ(flag.at(x, 9), kYellow);
        EXPECT_EQ(flag.at(x, kHeight - 1), kYellow);
    }
}

TEST(Flags, UnitedStatesHasItsCantonAtTheHoist)
{
    Hired usa(0x0409);
    ASSERT_NE(usa.get(), nullptr);
    Selected flag(usa.handle());
    EXPECT_EQ(flag.at(0, 0), kNavy);
    EXPECT_EQ(flag.at(kWidth - 1, 0), kRed);
    EXPECT_EQ(flag.at(kWidth - 1, 1), kWhite);
    EXPECT_EQ(flag.at(0, kHeight - 1), kRed);
}

TEST(Flags, PseudoLanguageShowsATestPattern)
{
    Hired pseudo(0x0501);
    ASSERT_NE(pseudo.get(), nullptr);
    Selected flag(pseudo.handle());
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_EQ(flag.at(x, y), (x / 2 + y / 2) % 2 ? kBlack : kFuchsia) << x << "," << y;
}

TEST(Flags, UseTheStandardSixteenColourPalette)
{
    const COLORREF standard[16] = {
        RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
        RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
        RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
        RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
    };
    Hired switzerland(0x0807);
    ASSERT_NE(switzerland.get(), nullptr);
    Selected flag(switzerland.handle());
    RGBQUAD table[16] = {};
    ASSERT_EQ(GetDIBColorTable(flag.dc(), 0, 16, table), 16u);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue), standard[i]) << "entry " << i;
}

TEST(Flags, LanguagesOfOneCountryShowTheSameFlag)
{
    Hired german(0x0807), french(0x100C), italian(0x0810), romansh(0x0417);
    ASSERT_NE(german.get(), nullptr);
    ASSERT_NE(french.get(), nullptr);
    ASSERT_NE(italian.get(), nullptr);
    ASSERT_NE(romansh.get(), nullptr);
    EXPECT_NE(german.get(), french.get());
    const std::vector<COLORREF> swiss = pixels(german.handle());
    EXPECT_EQ(pixels(french.handle()), swiss);
    EXPECT_EQ(pixels(italian.handle()), swiss);
    EXPECT_EQ(pixels(romansh.handle()), swiss);
    EXPECT_EQ(swiss[7 * kWidth + 11], kWhite);  // the cross
    EXPECT_EQ(swiss[0], kRed);

    Hired germany(0x0407);
    EXPECT_NE(pixels(germany.handle()), swiss);
}

TEST(Flags, TwoHiresShareOneBitmapAndFiringInBalanceDeletesIt)
{
    const unsigned bitmaps = manager().n_GetBitmapCount(), hires = manager().n_GetHireCount();
    CT_Bitmap* first = manager().pco_Hire(0x0C07);
    CT_Bitmap* second = manager().pco_Hire(0x0C07);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(manager().n_GetBitmapCount(), bitmaps + 1);
    EXPECT_EQ(manager().n_GetHireCount(), hires + 2);
    const HBITMAP handle = first->h_Bitmap;
    EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_BITMAP));

    manager().v_Fire(first);
    EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_BITMAP));  // still hired once
    manager().v_Fire(second);
    EXPECT_EQ(manager().n_GetBitmapCount(), bitmaps);
    EXPECT_EQ(manager().n_GetHireCount(), hires);
    EXPECT_EQ(GetObjectType(handle), 0u);
}

TEST(Flags, IdentifiersWithoutAFlagHireNothing)
{
    const unsigned bitmaps = manager().n_GetBitmapCount(), hires = manager().n_GetHireCount();
    // A neutral language, a language the table does not know, a sub-language
    // the table does not know.
    for (unsigned id : {0x0009u, 0x0476u, 0x7C04u, 0x4409u}) {
        EXPECT_EQ(manager().pco_Hire(id), nullptr) << std::hex << id;
    }
    EXPECT_EQ(manager().n_GetBitmapCount(), bitmaps);
    EXPECT_EQ(manager().n_GetHireCount(), hires);
}

TEST(Flags, EveryLanguageOfTheTableHasOne)
{
    const unsigned bitmaps = manager().n_GetBitmapCount(), hires = manager().n_GetHireCount();
    unsigned languages = 0;
    for (unsigned p = 1; p <= CT_Language::sn_GetPrimaryCount(); ++p) {
        const auto primary = static_cast<CT_Language::et_Primary>(p);
        unsigned subs = CT_Language::sn_GetSubCount(primary);
        if (subs == 0)
            subs = 1;
        for (unsigned i = 1; i <= subs; ++i) {
            const unsigned id = CT_Language::sn_MakeLanguageID(primary, CT_Language::seo_GetSubAt(primary, i));
            ASSERT_NE(id, 0u) << "language " << p << ", variant " << i;
            Hired flag(id);
            ASSERT_NE(flag.get(), nullptr) << "no flag for 0x" << std::hex << id;
            EXPECT_TRUE(isFlagFormat(flag.handle())) << "flag 0x" << std::hex << id;
            ++languages;
        }
    }
    EXPECT_GE(languages, 160u);
    EXPECT_EQ(manager().n_GetBitmapCount(), bitmaps);
    EXPECT_EQ(manager().n_GetHireCount(), hires);
}

// A 32-bit picture to draw an image list into.
class Target {
public:
    Target() : dc_(CreateCompatibleDC(nullptr))
    {
        void* bits = nullptr;
        bitmap_ = CreateTopDownDib32(dc_, kWidth, kHeight, &bits);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Target()
    {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

TEST(Flags, GoIntoASixteenColourImageListAndOutliveTheirHire)
{
    HIMAGELIST list = ImageList_Create(kWidth, kHeight, ILC_COLOR4, 0, 1);
    ASSERT_NE(list, nullptr);
    {
        Hired japan(0x0411), germany(0x0407);
        ASSERT_NE(japan.get(), nullptr);
        ASSERT_NE(germany.get(), nullptr);
        EXPECT_EQ(ImageList_Add(list, japan.handle(), nullptr), 0);
        EXPECT_EQ(ImageList_Add(list, germany.handle(), nullptr), 1);
    }
    EXPECT_EQ(ImageList_GetImageCount(list), 2);
    int width = 0, height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &width, &height));
    EXPECT_EQ(width, kWidth);
    EXPECT_EQ(height, kHeight);

    Target target;
    ASSERT_TRUE(ImageList_Draw(list, 0, target.dc(), 0, 0, ILD_NORMAL));
    EXPECT_EQ(GetPixel(target.dc(), 11, 6), kRed);
    EXPECT_EQ(GetPixel(target.dc(), 0, 0), kWhite);
    ASSERT_TRUE(ImageList_Draw(list, 1, target.dc(), 0, 0, ILD_NORMAL));
    EXPECT_EQ(GetPixel(target.dc(), 11, 0), kBlack);
    EXPECT_EQ(GetPixel(target.dc(), 11, kHeight - 1), kYellow);
    EXPECT_TRUE(ImageList_Destroy(list));
}

} // namespace
