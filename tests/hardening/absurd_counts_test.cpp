// Counts past their arrays and numbers no table holds: a splash record that
// claims more than its ten texts, texts placed far outside the window, and
// language identifiers that name no language.
#include <afxwin.h>

#include "DialogDriver.h"
#include "DibTestSupport.h"
#include "HardeningSupport.h"
#include "SplashHost.h"

#include <Dialogs/Dialogs.h>
#include <Dialogs/TemplateIds.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <limits.h>

#include <string>

namespace {

typedef CT_SplashWindow::st_Parameters Record;
const int kWidth = 120, kHeight = 60;   // DIB_SPLASH

// The splash picture with ten texts, one in each of ten places.
Record tenTexts(HINSTANCE pictures, unsigned count)
{
    Record record;
    record.h_Instance = pictures;
    record.n_Bitmap = DIB_SPLASH;
    record.n_Seconds = 0;
    record.n_TextCount = count;
    for (unsigned i = 0; i < CT_SplashWindow::sn_MaxTexts; ++i) {
        record.aso_Text[i].i_X = 4 + 11 * static_cast<int>(i);
        record.aso_Text[i].i_Y = 2 + 5 * static_cast<int>(i);
        const wchar_t text[] = {wchar_t(L'0' + i), L'#', 0};
        record.aso_Text[i].co_Text.v_Set(text, static_cast<unsigned>(-1));
    }
    return record;
}

// What the window shows once it has painted itself afresh.
void capture(HWND window, DibCanvas& shown)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(window);
    BitBlt(shown.dc.m_hDC, 0, 0, shown.width(), shown.height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
}

// Shows the splash, copies what its window shows, and closes it.
void showAndCapture(Record& record, DibCanvas& shown)
{
    CT_SplashWindow::sv_Show(&record);
    HWND splash = findSplashWindow();
    ASSERT_NE(splash, nullptr);
    capture(splash, shown);
    CT_SplashWindow::sv_Kill();
    EXPECT_FALSE(CT_SplashWindow::sb_Active());
}

// The splash pictures; `shownWith` shows the picture with the ten texts of
// which the record claims `count`.
class SplashTexts : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pictures.handle()); }
    void shownWith(unsigned count, DibCanvas& shown)
    {
        Record record = tenTexts(pictures.handle(), count);
        showAndCapture(record, shown);
    }
    PictureModule pictures;
};

// The record holds ten texts whatever count it claims: the splash draws
// those ten, exactly as for a count of ten, and reads nothing beyond them.
TEST_F(SplashTexts, ARecordCountingPastItsTenTextsDrawsTheTen)
{
    DibCanvas expected(kWidth, kHeight);
    ASSERT_TRUE(expected.ready());
    shownWith(10, expected);
    DibCanvas fewer(kWidth, kHeight);
    shownWith(9, fewer);
    ASSERT_GT(differences(expected, fewer), 0) << "the tenth text shows";

    Leftovers leftovers;

    for (unsigned count : {11u, 1000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(count);
        Record record = tenTexts(pictures.handle(), count);
        Record copy(&record);
        EXPECT_EQ(copy.n_TextCount, CT_SplashWindow::sn_MaxTexts);
        DibCanvas shown(kWidth, kHeight);
        ASSERT_TRUE(shown.ready());
        showAndCapture(record, shown);
        EXPECT_EQ(differences(shown, expected), 0);
        EXPECT_EQ(record.n_TextCount, count) << "the host's record is not written";
    }
    leftovers.expectNone();
}

// A window object of a derived host class keeps the record as assigned,
// count and all; its painting still stops at the tenth text.
class HostSplash : public CT_SplashWindow {
public:
    explicit HostSplash(Record* record) : CT_SplashWindow(record) {}
    void claim(unsigned count) { so_Parameters.n_TextCount = count; }
};

TEST_F(SplashTexts, AHostsOwnSplashObjectWithAnAbsurdCountPaintsTenTexts)
{
    DibCanvas expected(kWidth, kHeight);
    shownWith(10, expected);

    Record ten = tenTexts(pictures.handle(), 10);
    auto* splash = new HostSplash(&ten);
    ASSERT_NE(splash, nullptr);
    splash->claim(0xFFFFFFFF);
    ASSERT_TRUE(splash->CreateEx(WS_EX_TOPMOST, CT_BigBitmap::spcco_GetClassName()->qcuz_Get(), nullptr,
                                 WS_POPUP | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), nullptr, 0, nullptr));
    DibCanvas shown(kWidth, kHeight);
    capture(splash->m_hWnd, shown);
    EXPECT_EQ(differences(shown, expected), 0);
    CT_SplashWindow::sv_Kill();   // the object deletes itself with its window
    EXPECT_FALSE(CT_SplashWindow::sb_Active());
}

// Points at the far ends of the number range draw nothing there and do
// not disturb the rest.
TEST_F(SplashTexts, TextsPlacedAtTheEndsOfTheNumberRangeDrawNothingThere)
{
    DibCanvas expected(kWidth, kHeight);
    shownWith(0, expected);

    Record distant = tenTexts(pictures.handle(), 4);
    const POINT corners[] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}};
    for (int i = 0; i < 4; ++i) {
        distant.aso_Text[i].i_X = corners[i].x;
        distant.aso_Text[i].i_Y = corners[i].y;
    }
    DibCanvas shown(kWidth, kHeight);
    showAndCapture(distant, shown);
    EXPECT_EQ(differences(shown, expected), 0);
}

// The selection the language box shows for `language`; the box is then
// confirmed and `language` is what it hands back.
LRESULT confirmLanguage(unsigned& language)
{
    LRESULT selection = -2;
    DialogDriver driver([&selection](HWND box) {
        selection = SendDlgItemMessageW(box, IDC_LANGUAGE_LIST, CB_GETCURSEL, 0, 0);
        click(box, IDOK);
    });
    EXPECT_TRUE(CT_LanguageDialog::sb_Show(&language, TRUE, TRUE));
    EXPECT_TRUE(driver.acted());
    return selection;
}

// Identifiers that name no language: nothing is selected, and confirming
// keeps the identifier the host passed in.
TEST(AbsurdCounts, ALanguageThatNoTableHoldsIsNotSelectedAndConfirmingKeepsIt)
{
    unsigned english = 0x0409;
    ASSERT_NE(confirmLanguage(english), CB_ERR) << "a language with a module is selected";
    EXPECT_EQ(english, 0x0409u);
    for (unsigned language : {0u, 0xFFFFu, 0xFFFFFFFFu}) {
        SCOPED_TRACE(language);
        unsigned chosen = language;
        EXPECT_EQ(confirmLanguage(chosen), CB_ERR);
        EXPECT_EQ(chosen, language);
    }
}

} // namespace
