// Which languages the dialog offers, with which texts and flags: the
// language modules beside the library (English (United States), English
// (United Kingdom), German, Japanese and the pseudo-language), a second
// library's modules, the system's locales and its default font.
#include <afxwin.h>

#include "GdiCounter.h"
#include "ImportPatch.h"
#include "LanguageDialogRun.h"
#include "LexorinInterface.h"
#include "LexorinUILanguageMgr.h"
#include "TopDownDib.h"

#include <Dialogs/Dialogs.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>

namespace {

CT_UILanguageMgr* manager()
{
    return CT_UILanguageMgr::spco_GetUILanguageMgr();
}

bool listed(unsigned id)
{
    return manager()->pcco_GetLanguages()->n_Find(&id) != 0;
}

bool contains(const std::vector<unsigned>& ids, unsigned id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

const std::vector<unsigned> kAllOffered = {kEnglishUS, kEnglishUK, kGerman, kPseudo};

TEST_F(LanguageDialogTest, OffersTheLanguagesWithModulesInTableOrderWithTheCurrentOneSelected)
{
    unsigned language = kEnglishUK;
    const LanguageDialogRun run = runLanguageDialog(&language, TRUE, FALSE);
    const std::vector<std::wstring> expected = {L"English (United States)", L"English (United Kingdom)",
                                                L"German (Germany)", L"Pseudo (Accents)"};
    EXPECT_EQ(texts(run.view), expected);
    EXPECT_EQ(identifiers(run.view), kAllOffered);
    EXPECT_EQ(run.view.selection, 1);
    EXPECT_EQ(language, kEnglishUK);
}

// Variants that share their text keep their own entries: the current one is
// preselected, and an untouched OK hands it back. A variant without an entry
// of its own finds the first entry of its text.
TEST_F(LanguageDialogTest, WithoutSubLanguagesTheCurrentVariantItselfIsPreselected)
{
    unsigned language = kEnglishUK;
    LanguageDialogRun run = runLanguageDialog(&language, FALSE, FALSE);
    const std::vector<std::wstring> expected = {L"English", L"English", L"German", L"Pseudo"};
    EXPECT_EQ(texts(run.view), expected);
    EXPECT_EQ(identifiers(run.view), kAllOffered);
    EXPECT_EQ(run.view.selection, 1);
    EXPECT_EQ(run.result, TRUE);
    EXPECT_EQ(language, kEnglishUK) << "the language the user left alone";

    language = kEnglishAustralia;
    run = runLanguageDialog(&language, FALSE, FALSE);
    EXPECT_EQ(run.view.selection, 0);
    EXPECT_EQ(language, kEnglishUS);
}

// A library of the host that has only English and German modules.
struct ProbeSwitch : CT_DLLSwitch {
    ProbeSwitch()
    {
        wchar_t path[MAX_PATH];
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        *(wcsrchr(path, L'\\') + 1) = 0;
        CT_UString folder(path), name("LanguageProbe", static_cast<unsigned>(-1));
        v_Initialize(&folder, &name);
        manager()->v_Register(this);
    }
    ~ProbeSwitch() override { manager()->v_Unregister(this); }
};

TEST_F(LanguageDialogTest, ASecondLibraryNarrowsTheOfferToWhatBothHaveModulesFor)
{
    unsigned language = kEnglishUS;
    {
        ProbeSwitch probe;
        EXPECT_EQ(identifiers(runLanguageDialog(&language, TRUE, TRUE).view),
                  (std::vector<unsigned>{kEnglishUS, kGerman}));
    }
    EXPECT_EQ(identifiers(runLanguageDialog(&language, TRUE, TRUE).view), kAllOffered);
}

std::vector<unsigned> asked;

int allowAll(unsigned id)
{
    asked.push_back(id);
    return 1;
}

// This session's code page is not Japanese; language_japanese_session_test
// shows the offer in a Japanese one.
TEST_F(LanguageDialogTest, JapaneseIsRefusedWithoutAShiftJisSystemFontWhateverTheFilterSays)
{
    ASSERT_NE(CT_FontManager::spco_GetFontManager()->pcco_GetSystemDefaultFont()->n1_CharSet, SHIFTJIS_CHARSET);
    // Everything else would let it through.
    EXPECT_TRUE(listed(kJapanese));
    EXPECT_TRUE(CT_LocaleInfo::sb_IsInstalled(kJapanese));

    asked.clear();
    CT_LanguageDialog::sv_SetLangFilterProc(allowAll);
    unsigned language = kJapanese;
    const LanguageDialogRun run = runLanguageDialog(&language, TRUE, TRUE);
    EXPECT_EQ(identifiers(run.view), kAllOffered);
    EXPECT_EQ(run.view.selection, CB_ERR);
    // Refused before the host is asked; everything else was asked about.
    EXPECT_FALSE(contains(asked, kJapanese));
    EXPECT_TRUE(contains(asked, kFrench));
}

int noLocale(unsigned)
{
    return FALSE;
}

// Stands between the library and the locale queries: this system has the
// locales of every language with a module here.
TEST_F(LanguageDialogTest, WithoutLocalesOnlyTheProductsOwnLanguageRemains)
{
    EXPECT_FALSE(CT_LocaleInfo::sb_IsInstalled(kPseudo));
    HMODULE library = GetModuleHandleW(L"Dialogs.dll");
    ImportPatch installed(library, "LexorinBasis.dll", "_ZN13CT_LocaleInfo14sb_IsInstalledEj",
                          reinterpret_cast<void*>(noLocale));
    ImportPatch proprietary(library, "LexorinBasis.dll", "_ZN13CT_LocaleInfo16sb_IsProprietaryEj",
                            reinterpret_cast<void*>(noLocale));
    ASSERT_TRUE(installed.ok());
    ASSERT_TRUE(proprietary.ok());
    unsigned language = kPseudo;
    const LanguageDialogRun run = runLanguageDialog(&language, TRUE, TRUE);
    ASSERT_EQ(identifiers(run.view), std::vector<unsigned>{kPseudo});
    EXPECT_EQ(run.view.entries[0].text, L"Pseudo (Accents)");
    EXPECT_EQ(run.view.selection, 0);
}

// 32-bit pixels of a drawing, for comparing pictures exactly.
struct Pixels {
    int width = 0, height = 0;
    std::vector<uint32_t> bits;

    uint32_t at(int x, int y) const { return bits[y * width + x]; }
    bool operator==(const Pixels& other) const
    {
        return width == other.width && height == other.height && bits == other.bits;
    }
};

// Draws into a top-down 32-bit bitmap of that size.
template <typename Draw> Pixels draw(int width, int height, Draw drawing)
{
    Pixels pixels;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateTopDownDib32(dc, width, height, &bits);
    if (!bitmap) {
        DeleteDC(dc);
        return pixels;
    }
    HGDIOBJ previous = SelectObject(dc, bitmap);
    drawing(dc);
    GdiFlush();
    pixels.width = width;
    pixels.height = height;
    const uint32_t* first = static_cast<const uint32_t*>(bits);
    pixels.bits.assign(first, first + width * height);
    for (uint32_t& pixel : pixels.bits)
        pixel &= 0xFFFFFF;
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

// The flag as the bitmap cache gives it.
Pixels flag(unsigned id)
{
    CT_BitmapManager* bitmaps = CT_BitmapManager::spco_GetBitmapManager();
    CT_Bitmap* bitmap = bitmaps->pco_Hire(id);
    if (!bitmap)
        return {};
    Pixels pixels = draw(23, 14, [&](HDC dc) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, bitmap->h_Bitmap);
        BitBlt(dc, 0, 0, 23, 14, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    });
    bitmaps->v_Fire(bitmap);
    return pixels;
}

Pixels picture(HIMAGELIST images, int index)
{
    return draw(23, 14, [&](HDC dc) { ImageList_Draw(images, index, dc, 0, 0, ILD_NORMAL); });
}

// A child window as its dialog shows it.
Pixels shownPixels(HWND dialog, HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return draw(rect.right - rect.left, rect.bottom - rect.top, [&](HDC dc) {
        HDC shown = GetDC(dialog);
        BitBlt(dc, 0, 0, rect.right - rect.left, rect.bottom - rect.top, shown, rect.left, rect.top, SRCCOPY);
        ReleaseDC(dialog, shown);
    });
}

bool shows(const Pixels& big, const Pixels& small)
{
    for (int y = 0; y + small.height <= big.height; ++y)
        for (int x = 0; x + small.width <= big.width; ++x) {
            bool same = true;
            for (int v = 0; v < small.height && same; ++v)
                for (int u = 0; u < small.width && same; ++u)
                    same = big.at(x + u, y + v) == small.at(u, v);
            if (same)
                return true;
        }
    return false;
}

TEST_F(LanguageDialogTest, EveryEntryHasItsOwnCopyOfItsFlagAndTheClosedListShowsTheChosenOne)
{
    std::vector<Pixels> pictures;
    Pixels closedList;
    unsigned language = kGerman;
    const LanguageDialogRun run = runLanguageDialog(&language, FALSE, TRUE, DialogEnd::Cancel, [&](HWND dialog, const LanguageDialogView& view) {
        HWND list = GetDlgItem(dialog, 1003);
        HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(list, CBEM_GETIMAGELIST, 0, 0));
        for (int i = 0; i < view.imageCount; ++i)
            pictures.push_back(picture(images, i));
        // Away from the list, which draws its selected picture highlighted while it has the focus.
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDCANCEL)), TRUE);
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        closedList = shownPixels(dialog, list);
    });
    ASSERT_TRUE(run.view.hasImageList);
    EXPECT_EQ(run.view.imageWidth, 23);
    EXPECT_EQ(run.view.imageHeight, 14);
    ASSERT_EQ(identifiers(run.view), kAllOffered);
    ASSERT_EQ(run.view.imageCount, static_cast<int>(run.view.entries.size()));
    for (size_t i = 0; i < run.view.entries.size(); ++i) {
        const LanguageEntry& entry = run.view.entries[i];
        EXPECT_EQ(entry.image, static_cast<int>(i));
        EXPECT_EQ(entry.selectedImage, entry.image);
        EXPECT_TRUE(pictures[i] == flag(entry.id)) << std::hex << entry.id;
    }
    EXPECT_FALSE(pictures[0] == pictures[1]);   // the United States and the United Kingdom
    ASSERT_EQ(run.view.selection, 2);
    EXPECT_TRUE(shows(closedList, flag(kGerman)));
    EXPECT_FALSE(shows(closedList, flag(kEnglishUS)));
}

TEST_F(LanguageDialogTest, WithoutFlagsNoImageListIsMadeAndNoFlagLoaded)
{
    GdiCounter cache({L"LexorinInterface.dll"});
    ASSERT_TRUE(cache.watching());
    unsigned language = kGerman;
    LanguageDialogRun run = runLanguageDialog(&language, TRUE, FALSE, DialogEnd::Cancel);
    EXPECT_FALSE(run.view.hasImageList);
    EXPECT_EQ(identifiers(run.view), kAllOffered);
    EXPECT_EQ(cache.created(), 0u);

    // With flags, the cache loads one for each entry.
    run = runLanguageDialog(&language, TRUE, TRUE, DialogEnd::Cancel);
    EXPECT_EQ(cache.created(), run.view.entries.size());
    EXPECT_EQ(cache.liveObjects(), 0u);
}

} // namespace
