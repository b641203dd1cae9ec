// The language dialog in a Japanese session: ctest runs this program with
// LC_ALL=ja_JP.UTF-8 in a Wine prefix of its own, beside the same language
// modules as language_dialog_test. The system's stock dialog font then has
// the Shift-JIS character set, and Japanese is offered. The program also
// measures the picture items of every language (picture_items_test.cpp).
#include <afxwin.h>

#include "LanguageDialogRun.h"
#include "LexorinBasis.h"
#include "LexorinUILanguageMgr.h"

#include <Dialogs/Dialogs.h>

namespace {

const UINT kJapaneseCodePage = 932;

// Every test first makes sure that it runs in a Japanese session: in any
// other, Japanese is rightly refused. The session's user interface starts in
// Japanese; the tests start from English (United States), as the others do.
class JapaneseSession : public LanguageDialogTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(GetACP(), kJapaneseCodePage) << "run with LC_ALL=ja_JP.UTF-8";
        CT_UILanguageMgr::spco_GetUILanguageMgr()->b_SetLanguage(kEnglishUS);
        LanguageDialogTest::SetUp();
    }
};

TEST_F(JapaneseSession, TheSystemDefaultFontIsTheStockDialogFontInShiftJis)
{
    const CT_LogicalFont* font = CT_FontManager::spco_GetFontManager()->pcco_GetSystemDefaultFont();
    EXPECT_EQ(font->h_Font, GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(font->n1_CharSet, SHIFTJIS_CHARSET);
}

int refuseJapanese(unsigned id)
{
    return id != kJapanese;
}

TEST_F(JapaneseSession, OffersJapaneseUnlessTheFilterRefusesIt)
{
    unsigned language = kJapanese;
    LanguageDialogRun run = runLanguageDialog(&language, TRUE, TRUE);
    EXPECT_EQ(identifiers(run.view), (std::vector<unsigned>{kEnglishUS, kEnglishUK, kGerman, kJapanese, kPseudo}));
    ASSERT_EQ(run.view.selection, 3);
    EXPECT_EQ(run.view.entries[3].text, L"Japanese");
    EXPECT_EQ(run.view.entries[3].image, 3);
    EXPECT_EQ(run.result, TRUE);
    EXPECT_EQ(language, kJapanese);

    CT_LanguageDialog::sv_SetLangFilterProc(refuseJapanese);
    run = runLanguageDialog(&language, TRUE, TRUE);
    EXPECT_EQ(identifiers(run.view), (std::vector<unsigned>{kEnglishUS, kEnglishUK, kGerman, kPseudo}));
    EXPECT_EQ(run.view.selection, CB_ERR);
}

} // namespace
