// The language dialog as a host uses it: shown, driven and ended for real,
// what it hands back, where its template comes from, and what it gives back
// to the system and the caches.
#include <afxwin.h>

#include "DAZ32.h"
#include "BasisDiagnostics.h"
#include "GdiCounter.h"
#include "ImportPatch.h"
#include "LanguageDialogRun.h"
#include "LexorinInterface.h"
#include "LexorinUILanguageMgr.h"
#include "TestApplication.h"

#include <Dialogs/Dialogs.h>
#include <commctrl.h>

#include <algorithm>

namespace {

CT_UILanguageMgr* manager()
{
    return CT_UILanguageMgr::spco_GetUILanguageMgr();
}

// Languages the filter was asked about.
std::vector<unsigned> asked;

int refuseAll(unsigned id)
{
    asked.push_back(id);
    return 0;
}

int onlyGerman(unsigned id)
{
    return id == kGerman;
}

TEST_F(LanguageDialogTest, CancelOrCloseLeavesTheLanguageAsItWasThoughTheSelectionChanged)
{
    for (DialogEnd how : {DialogEnd::Cancel, DialogEnd::Close}) {
        unsigned language = kEnglishUS;
        bool selected = false;
        std::wstring chosen;
        const LanguageDialogRun run = runLanguageDialog(&language, TRUE, TRUE, how, [&](HWND dialog, const LanguageDialogView&) {
            selected = selectLanguage(dialog, kGerman);
            const LanguageDialogView now = readLanguageDialog(dialog);
            chosen = now.entries.at(now.selection).text;
        });
        EXPECT_TRUE(run.view.shown);
        EXPECT_TRUE(selected);
        EXPECT_EQ(chosen, L"German (Germany)");
        EXPECT_EQ(run.result, FALSE);
        EXPECT_EQ(language, kEnglishUS);
    }
}

TEST_F(LanguageDialogTest, ConfirmingHandsBackTheChosenLanguage)
{
    unsigned language = kEnglishUS;
    LanguageDialogRun run = runLanguageDialog(&language, TRUE, FALSE, DialogEnd::Ok, [](HWND dialog, const LanguageDialogView&) {
        selectLanguage(dialog, kGerman);
    });
    EXPECT_EQ(run.result, TRUE);
    EXPECT_EQ(language, kGerman);

    // Untouched, the preselected current language comes back.
    run = runLanguageDialog(&language, TRUE, TRUE);
    ASSERT_NE(run.view.selection, CB_ERR);
    EXPECT_EQ(run.view.entries.at(run.view.selection).id, kGerman);
    EXPECT_EQ(run.result, TRUE);
    EXPECT_EQ(language, kGerman);
}

// The list's "no item" value is no language: confirming keeps the current one.
TEST_F(LanguageDialogTest, NothingIsSelectedWhenTheCurrentLanguageIsNotOfferedAndOkKeepsIt)
{
    // No module; refused for want of a Japanese font; outside the table.
    for (unsigned current : {kFrench, kJapanese, 0u, 0xFFFFu, 0x12345678u}) {
        unsigned language = current;
        const LanguageDialogRun run = runLanguageDialog(&language, TRUE, TRUE);
        EXPECT_FALSE(run.view.entries.empty()) << std::hex << current;
        EXPECT_EQ(run.view.selection, CB_ERR) << std::hex << current;
        EXPECT_EQ(run.result, TRUE);
        EXPECT_EQ(language, current);
    }
}

TEST_F(LanguageDialogTest, AFilterRefusingEverythingLeavesAnEmptyList)
{
    asked.clear();
    CT_LanguageDialog::sv_SetLangFilterProc(refuseAll);
    unsigned language = kEnglishUS;
    const LanguageDialogRun run = runLanguageDialog(&language, FALSE, TRUE);
    EXPECT_TRUE(run.view.shown);
    EXPECT_TRUE(run.view.entries.empty());
    EXPECT_EQ(run.view.selection, CB_ERR);
    EXPECT_EQ(run.view.imageCount, 0);
    EXPECT_EQ(run.result, TRUE);
    EXPECT_EQ(language, kEnglishUS);
    // Asked about the table's languages one by one, in table order.
    EXPECT_GE(asked.size(), 100u);
    EXPECT_NE(std::find(asked.begin(), asked.end(), kEnglishUS), asked.end());
    EXPECT_LT(std::find(asked.begin(), asked.end(), kEnglishUS), std::find(asked.begin(), asked.end(), kGerman));
}

TEST_F(LanguageDialogTest, TheFilterStaysForLaterShowingsUntilANullOneRemovesIt)
{
    CT_LanguageDialog::sv_SetLangFilterProc(onlyGerman);
    unsigned language = kEnglishUS;
    EXPECT_EQ(identifiers(runLanguageDialog(&language, TRUE, FALSE).view), std::vector<unsigned>{kGerman});
    EXPECT_EQ(identifiers(runLanguageDialog(&language, TRUE, TRUE).view), std::vector<unsigned>{kGerman});
    CT_LanguageDialog::sv_SetLangFilterProc(nullptr);
    const std::vector<unsigned> all = identifiers(runLanguageDialog(&language, TRUE, FALSE).view);
    EXPECT_GT(all.size(), 1u);
    EXPECT_NE(std::find(all.begin(), all.end(), kEnglishUS), all.end());
}

TEST_F(LanguageDialogTest, ANullLanguagePointerIsRefusedWithoutADialog)
{
    const LanguageDialogRun run = runLanguageDialog(nullptr, TRUE, TRUE);
    EXPECT_EQ(run.result, FALSE);
    EXPECT_FALSE(run.view.shown);
}

TEST_F(LanguageDialogTest, TheTemplateComesFromTheModuleOfTheCurrentLanguage)
{
    struct Expected {
        unsigned language;
        const wchar_t* caption;
        const wchar_t* cancel;
    } expected[] = {
        {kGerman, L"Sprache der Benutzeroberfl\u00E4che", L"Abbrechen"},
        {kJapanese, L"\u30E6\u30FC\u30B6\u30FC \u30A4\u30F3\u30BF\u30FC\u30D5\u30A7\u30A4\u30B9\u306E\u8A00\u8A9E",
         L"\u30AD\u30E3\u30F3\u30BB\u30EB"},
        {kEnglishUS, L"User Interface Language", L"Cancel"},
    };
    const HINSTANCE before = AfxGetResourceHandle();
    for (const Expected& e : expected) {
        ASSERT_TRUE(manager()->b_SetLanguage(e.language));
        unsigned language = kEnglishUS;
        const LanguageDialogRun run = runLanguageDialog(&language, TRUE, TRUE, DialogEnd::Cancel);
        EXPECT_EQ(run.view.caption, e.caption);
        EXPECT_EQ(run.view.cancelText, e.cancel);
        EXPECT_FALSE(run.view.entries.empty());
        // The guard is gone with the dialog.
        EXPECT_EQ(AfxGetResourceHandle(), before);
    }
}

TEST_F(LanguageDialogTest, AModuleWithoutTheTemplateGivesFalseAndNoDialog)
{
    ASSERT_TRUE(manager()->b_SetLanguage(kEnglishUK));   // DialogsENG.dll holds no dialogs
    unsigned language = kEnglishUK;
    const LanguageDialogRun run = runLanguageDialog(&language, TRUE, TRUE);
    EXPECT_FALSE(run.view.shown);
    EXPECT_EQ(run.result, FALSE);
    EXPECT_EQ(language, kEnglishUK);
}

TEST_F(LanguageDialogTest, ATemplateThatLostTheListShowsNothingToChooseAndOnlyCancels)
{
    ASSERT_TRUE(manager()->b_SetLanguage(kPseudo));   // DialogsPSE.dll: a template without the list
    GdiCounter cache({L"LexorinInterface.dll"});
    unsigned language = kGerman;
    bool openAfterOk = false;
    const unsigned escaped = testApp().wndProcExceptions;
    const LanguageDialogRun run = runLanguageDialog(&language, TRUE, TRUE, DialogEnd::Cancel, [&](HWND dialog, const LanguageDialogView&) {
        SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        openAfterOk = IsWindowVisible(dialog) != FALSE;
    });
    EXPECT_EQ(run.view.caption, L"Language chooser without its list");
    EXPECT_TRUE(run.view.entries.empty());
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(testApp().wndProcExceptions, escaped) << "the missing list is the dialog's own failure";
    EXPECT_EQ(run.result, FALSE);
    EXPECT_EQ(language, kGerman);
    EXPECT_EQ(cache.created(), 0u);   // no flag loaded for a list that is not there
}

HIMAGELIST WINAPI noImageList(int, int, UINT, int, int)
{
    return nullptr;
}

// Stands between the framework and ImageList_Create: the system does not
// refuse an image list on demand.
TEST_F(LanguageDialogTest, WithoutAnImageListTheListStaysEmptyAndOkKeepsTheLanguage)
{
    ImportPatch patch(GetModuleHandleW(L"MFC71U.DLL"), "comctl32.dll", "ImageList_Create",
                      reinterpret_cast<void*>(noImageList));
    ASSERT_TRUE(patch.ok());
    CT_BitmapManager* bitmaps = CT_BitmapManager::spco_GetBitmapManager();
    unsigned language = kGerman;
    const LanguageDialogRun run = runLanguageDialog(&language, TRUE, TRUE);
    EXPECT_TRUE(run.view.shown);
    EXPECT_TRUE(run.view.entries.empty());
    EXPECT_FALSE(run.view.hasImageList);
    EXPECT_EQ(run.result, TRUE);
    EXPECT_EQ(language, kGerman);
    EXPECT_EQ(bitmaps->n_GetHireCount(), 0u);
}

TEST_F(LanguageDialogTest, EverythingTakenIsGivenBackWhenTheDialogCloses)
{
    // Measured from the first showing of the process on: nothing is kept for later ones.
    unsigned language = kEnglishUS;
    CT_BitmapManager* bitmaps = CT_BitmapManager::spco_GetBitmapManager();
    CT_FontManager* fonts = CT_FontManager::spco_GetFontManager();
    const long libraryBlocks = DAZ_GetLiveBlockCount();
    const long basisBlocks = LexorinBasis_GetLiveBlockCount();
    GdiCounter counter({L"Dialogs.dll", L"MFC71U.DLL", L"LexorinInterface.dll", L"LexorinBasis.dll"});
    ASSERT_TRUE(counter.watching());
    unsigned hiresMeanwhile = 1;
    const LanguageDialogRun run = runLanguageDialog(&language, FALSE, TRUE, DialogEnd::Ok, [&](HWND dialog, const LanguageDialogView&) {
        // Each flag goes back as soon as the list has its copy.
        hiresMeanwhile = bitmaps->n_GetHireCount() + bitmaps->n_GetBitmapCount();
        selectLanguage(dialog, kGerman);
    });
    EXPECT_EQ(run.result, TRUE);
    EXPECT_EQ(language, kGerman);
    EXPECT_EQ(hiresMeanwhile, 0u);
    // One flag loaded from the cache's module for each entry.
    EXPECT_GE(counter.created(), run.view.entries.size());
    EXPECT_EQ(counter.liveObjects(), 0u);
    EXPECT_EQ(counter.liveWindowDCs(), 0u);
    EXPECT_EQ(bitmaps->n_GetHireCount(), 0u);
    EXPECT_EQ(bitmaps->n_GetBitmapCount(), 0u);
    EXPECT_EQ(fonts->n_GetHireCount(), 0u);
    EXPECT_EQ(DAZ_GetLiveBlockCount(), libraryBlocks);
    EXPECT_EQ(LexorinBasis_GetLiveBlockCount(), basisBlocks);
}

} // namespace
