// The Tip of the Day box as a host shows it: sv_Show runs the real dialog
// from the library's language module, with the test program's tips and
// caption, and a driver reads and presses its items from inside the modal
// loop. The tip search itself is also driven straight, on a dialog object
// that is never shown.
#include <afxwin.h>

#include "DAZ32.h"
#include "DialogDriver.h"
#include "FrameworkFailures.h"
#include "GdiCounter.h"
#include "ImportPatch.h"
#include "LexorinUILanguageMgr.h"
#include "TabWalk.h"
#include "TestApplication.h"
#include "TipTestStrings.h"

#include <Dialogs/Dialogs.h>
#include <Dialogs/TemplateIds.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <afxdiag.h>

namespace {

using Parameters = CT_TipoftheDayDialog::st_Parameters;

const unsigned kNeverShown = 0xFFFFFFFF;

Parameters range(unsigned first, unsigned last)
{
    return {GetModuleHandleW(nullptr), first, last};
}

// What the box showed when the driver looked, what it showed after each
// press of Next Tip, and what came back.
struct TipRun {
    bool shown = false;
    std::wstring caption, heading, tip;
    bool checked = false;
    std::vector<std::wstring> afterNext;
    int showAtStartup = 0;
    unsigned tipIndex = 0;
};

// One run of sv_Show: the driver reads the box, runs `act` and ends the
// box by pressing `end` (0: `act` ends it). A box left for the driver to
// close fails the run.
TipRun show(const Parameters& parameters, int showAtStartup, unsigned tip, int end = IDOK,
            const std::function<void(HWND)>& act = {})
{
    TipRun run;
    DialogDriver driver([&](HWND dialog) {
        run.shown = true;
        run.caption = windowText(dialog);
        run.heading = itemText(dialog, IDC_TIP_HEADING);
        run.tip = itemText(dialog, IDC_TIP_TEXT);
        run.checked = isChecked(dialog, IDC_TIP_SHOW_AT_STARTUP);
        if (act)
            act(dialog);
        if (end)
            click(dialog, end);
    });
    run.showAtStartup = showAtStartup;
    run.tipIndex = tip;
    CT_TipoftheDayDialog::sv_Show(&parameters, &run.showAtStartup, &run.tipIndex);
    EXPECT_FALSE(IsWindow(driver.dialog())) << "the box is gone when sv_Show returns";
    EXPECT_FALSE(driver.closedTheBox()) << "the box was still up after its user had ended it";
    return run;
}

// A run that presses Next Tip `presses` times, then OK.
TipRun showPressingNext(const Parameters& parameters, int showAtStartup, unsigned tip, int presses)
{
    std::vector<std::wstring> texts;
    TipRun run = show(parameters, showAtStartup, tip, IDOK, [&](HWND dialog) {
        for (int i = 0; i < presses; ++i) {
            click(dialog, IDC_TIP_NEXT);
            texts.push_back(itemText(dialog, IDC_TIP_TEXT));
        }
    });
    run.afterNext = texts;
    return run;
}

// Every run must give back what it took: fonts, GDI objects, window DCs,
// heap blocks and window objects.
class TipOfTheDay : public ::testing::Test {
protected:
    void SetUp() override
    {
        hires_ = CT_FontManager::spco_GetFontManager()->n_GetHireCount();
        blocks_ = DAZ_GetLiveBlockCount();
        windows_ = AfxDiagGetPermanentWindowCount();
    }
    void TearDown() override
    {
        EXPECT_EQ(CT_FontManager::spco_GetFontManager()->n_GetHireCount(), hires_);
        EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks_);
        EXPECT_EQ(AfxDiagGetPermanentWindowCount(), windows_);
        EXPECT_EQ(gdi_.liveObjects(), 0u);
        EXPECT_EQ(gdi_.liveWindowDCs(), 0u);
        EXPECT_TRUE(gdi_.watching());
    }

    GdiCounter gdi_{L"Dialogs.dll", L"MFC71U.DLL", L"LexorinBasis.dll"};
    unsigned hires_ = 0;
    long blocks_ = 0;
    int windows_ = 0;
};

TEST_F(TipOfTheDay, TheFirstRunShowsTipZeroUnderTheHostsCaption)
{
    const Parameters tips = range(IDS_TIPS_FIRST, IDS_TIPS_LAST);
    const TipRun run = show(tips, TRUE, kNeverShown);
    ASSERT_TRUE(run.shown);
    EXPECT_EQ(run.caption, L"Tips for Testing");
    EXPECT_EQ(run.heading, L"Did you know...");
    EXPECT_EQ(run.tip, L"Tip zero: the first of five.");
    EXPECT_TRUE(run.checked);
    EXPECT_EQ(run.tipIndex, 0u);
    EXPECT_EQ(run.showAtStartup, TRUE);
}

TEST_F(TipOfTheDay, EachRunContinuesAfterTheTipShownLast)
{
    const Parameters tips = range(IDS_TIPS_FIRST, IDS_TIPS_LAST);
    TipRun run = show(tips, FALSE, 1);
    EXPECT_EQ(run.tip, L"Tip two.");
    EXPECT_FALSE(run.checked);
    EXPECT_EQ(run.tipIndex, 2u);
    EXPECT_EQ(run.showAtStartup, FALSE);

    run = show(tips, TRUE, 4);
    EXPECT_EQ(run.tip, L"Tip zero: the first of five.") << "after the last tip comes tip 0";
    EXPECT_EQ(run.tipIndex, 0u);

    run = show(tips, TRUE, 7);
    EXPECT_EQ(run.tip, L"Tip three.") << "an index past the end counts round";
    EXPECT_EQ(run.tipIndex, 3u);
}

// The box has no Cancel button: Esc and the close box cancel it.
TEST_F(TipOfTheDay, CancellingReturnsTheInputCheckStateAndOkTheShownOne)
{
    const Parameters tips = range(IDS_TIPS_FIRST, IDS_TIPS_LAST);
    const auto untick = [](HWND dialog) { click(dialog, IDC_TIP_SHOW_AT_STARTUP); };
    for (const auto& end : {pressEscape, pressCloseBox}) {
        const TipRun run = show(tips, TRUE, 2, 0, [&](HWND dialog) {
            untick(dialog);
            EXPECT_FALSE(isChecked(dialog, IDC_TIP_SHOW_AT_STARTUP));
            end(dialog);
        });
        ASSERT_TRUE(run.shown);
        EXPECT_EQ(run.showAtStartup, TRUE);
        EXPECT_EQ(run.tipIndex, 3u) << "the tip index comes back however the box closed";
    }

    TipRun run = show(tips, TRUE, 2, IDOK, untick);
    EXPECT_EQ(run.showAtStartup, FALSE);
    run = show(tips, FALSE, 2, IDOK, untick);
    EXPECT_EQ(run.showAtStartup, TRUE);
    EXPECT_EQ(run.tipIndex, 3u);
}

TEST_F(TipOfTheDay, NextTipStepsOnAndLeavesTheCheckBoxAsTheUserLeftIt)
{
    const Parameters tips = range(IDS_TIPS_FIRST, IDS_TIPS_LAST);
    std::vector<std::wstring> seen;
    bool checkedAfterNext = true;
    const TipRun run = show(tips, TRUE, kNeverShown, IDOK, [&](HWND dialog) {
        click(dialog, IDC_TIP_SHOW_AT_STARTUP);
        click(dialog, IDC_TIP_NEXT);
        checkedAfterNext = isChecked(dialog, IDC_TIP_SHOW_AT_STARTUP);
        seen.push_back(itemText(dialog, IDC_TIP_TEXT));
        for (int i = 0; i < 5; ++i) {
            click(dialog, IDC_TIP_NEXT);
            seen.push_back(itemText(dialog, IDC_TIP_TEXT));
        }
    });
    EXPECT_FALSE(checkedAfterNext) << "the user's choice stays in the box";
    const std::vector<std::wstring> expected = {L"Tip one.", L"Tip two.", L"Tip three.",
                                                L"Tip four: the last of five.", L"Tip zero: the first of five.",
                                                L"Tip one."};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(run.tipIndex, 1u);
    EXPECT_EQ(run.showAtStartup, FALSE) << "OK hands back what the box shows";

    const TipRun cancelled = show(tips, TRUE, kNeverShown, 0, [](HWND dialog) {
        click(dialog, IDC_TIP_SHOW_AT_STARTUP);
        click(dialog, IDC_TIP_NEXT);
        pressEscape(dialog);
    });
    EXPECT_EQ(cancelled.showAtStartup, TRUE) << "Escape hands back the value given";
    EXPECT_EQ(cancelled.tipIndex, 1u);
}

TEST_F(TipOfTheDay, EmptyTipsAreSkippedButTipZeroIsTakenWhenTheSearchWraps)
{
    const Parameters gaps = range(IDS_GAPS_FIRST, IDS_GAPS_LAST);
    const TipRun run = showPressingNext(gaps, TRUE, 0, 3);
    EXPECT_EQ(run.tip, L"Gap one.");
    const std::vector<std::wstring> expected = {L"Gap three.", L"", L"Gap one."};
    EXPECT_EQ(run.afterNext, expected) << "Next on the last tip with text shows the empty tip 0";
    EXPECT_EQ(run.tipIndex, 1u);

    const TipRun wrapped = show(gaps, TRUE, 3, 0, pressEscape);
    EXPECT_EQ(wrapped.tip, L"");
    EXPECT_EQ(wrapped.tipIndex, 0u);
}

TEST_F(TipOfTheDay, WithoutAnyTextTheBoxShowsTipZeroEmpty)
{
    const Parameters empty = range(IDS_EMPTY_FIRST, IDS_EMPTY_LAST);
    const TipRun run = showPressingNext(empty, TRUE, 2, 1);
    ASSERT_TRUE(run.shown);
    EXPECT_EQ(run.tip, L"");
    EXPECT_EQ(run.afterNext, std::vector<std::wstring>{L""});
    EXPECT_EQ(run.tipIndex, 0u);
}

TEST_F(TipOfTheDay, ASingleTipIsShownOnEveryRunAndEveryNext)
{
    const Parameters single = range(IDS_SINGLE, IDS_SINGLE);
    for (unsigned last : {kNeverShown, 0u, 9u}) {
        const TipRun run = showPressingNext(single, TRUE, last, 2);
        EXPECT_EQ(run.tip, L"The only tip.");
        EXPECT_EQ(run.afterNext, std::vector<std::wstring>(2, L"The only tip."));
        EXPECT_EQ(run.tipIndex, 0u);
    }
}

TEST_F(TipOfTheDay, ARangeThatEndsBeforeItStartsShowsAnEmptyTipZero)
{
    // The last tip one below the first leaves no tips at all; further below,
    // the count wraps to almost the whole number range.
    for (unsigned last : {IDS_TIPS_FIRST - 1u, IDS_TIPS_FIRST - 40u, 0u}) {
        const Parameters backwards = range(IDS_TIPS_FIRST, last);
        const TipRun run = showPressingNext(backwards, TRUE, 3, 1);
        ASSERT_TRUE(run.shown);
        EXPECT_EQ(run.caption, L"Tips for Testing");
        EXPECT_EQ(run.tip, L"");
        EXPECT_EQ(run.afterNext, std::vector<std::wstring>{L""});
        EXPECT_EQ(run.tipIndex, 0u);
        EXPECT_EQ(run.showAtStartup, TRUE);
    }
}

// The fonts are hired from the font manager at 150 % (bold) and 125 % of the
// system's size: a second hire of the same request answers with the very
// font the item shows.
TEST_F(TipOfTheDay, HeadingAndTipTakeTheSystemFaceAtOneAndAHalfAndOneAndAQuarterItsSize)
{
    CT_FontManager* manager = CT_FontManager::spco_GetFontManager();
    const CT_LogicalFont* system = manager->pcco_GetSystemDefaultFont();
    const unsigned size = system->n_Size;
    ASSERT_EQ(size, 8u) << "this display's default dialog font is 8 points";

    const Parameters tips = range(IDS_TIPS_FIRST, IDS_TIPS_LAST);
    HFONT heading = nullptr, tip = nullptr, headingAsked = nullptr, tipAsked = nullptr;
    LOGFONTW headingFont = {}, tipFont = {};
    show(tips, TRUE, kNeverShown, IDOK, [&](HWND dialog) {
        heading = reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, IDC_TIP_HEADING, WM_GETFONT, 0, 0));
        tip = reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, IDC_TIP_TEXT, WM_GETFONT, 0, 0));
        GetObjectW(heading, sizeof headingFont, &headingFont);
        GetObjectW(tip, sizeof tipFont, &tipFont);
        CT_LogicalFont* twelve = manager->pco_Hire(nullptr, &system->co_FaceName, 1, 12, 1, 0, 0, 0);
        CT_LogicalFont* ten = manager->pco_Hire(nullptr, &system->co_FaceName, 1, 10, 0, 0, 0, 0);
        headingAsked = twelve ? twelve->h_Font : nullptr;
        tipAsked = ten ? ten->h_Font : nullptr;
        manager->v_Fire(twelve);
        manager->v_Fire(ten);
    });
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading, headingAsked);
    EXPECT_EQ(tip, tipAsked);
    EXPECT_NE(heading, tip);

    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(headingFont.lfHeight, -MulDiv(12, dpi, 72));
    EXPECT_EQ(headingFont.lfWeight, FW_BOLD);
    EXPECT_EQ(tipFont.lfHeight, -MulDiv(10, dpi, 72));
    EXPECT_EQ(tipFont.lfWeight, FW_NORMAL);
    EXPECT_STREQ(headingFont.lfFaceName, system->co_FaceName.qcuz_Get());
    EXPECT_STREQ(tipFont.lfFaceName, system->co_FaceName.qcuz_Get());
}

// Stands between the framework and the system's window contexts, which this
// display never runs out of: no font is hired, and heading and tip keep the
// dialog's.
TEST_F(TipOfTheDay, WithoutWindowContextsHeadingAndTipKeepTheDialogsFont)
{
    const unsigned escaped = testApp().wndProcExceptions;
    NoWindowContexts none;
    ASSERT_TRUE(none.ok());
    HGDIOBJ dialogFont = nullptr, heading = nullptr, tip = nullptr;
    const TipRun run = show(range(IDS_TIPS_FIRST, IDS_TIPS_LAST), TRUE, kNeverShown, IDOK, [&](HWND dialog) {
        dialogFont = reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0));
        heading = reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(dialog, IDC_TIP_HEADING, WM_GETFONT, 0, 0));
        tip = reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(dialog, IDC_TIP_TEXT, WM_GETFONT, 0, 0));
    });
    EXPECT_FALSE(run.tip.empty());
    EXPECT_EQ(heading, dialogFont);
    EXPECT_EQ(tip, dialogFont);
    EXPECT_EQ(testApp().wndProcExceptions, escaped);
}

// Stands between the framework and its allocator, which this machine never
// runs out of, for two presses: OK, whose check reads the tip into a new
// string, leaves the box open; Next Tip shows an empty tip. Esc then ends
// the box with the values given.
TEST_F(TipOfTheDay, WithoutMemoryOkLeavesTheBoxOpenAndNextTipShowsNothing)
{
    const unsigned escaped = testApp().wndProcExceptions;
    bool openAfterOk = false;
    std::wstring afterNext = L"(not read)";
    const TipRun run = show(range(IDS_TIPS_FIRST, IDS_TIPS_LAST), TRUE, 2, 0, [&](HWND dialog) {
        click(dialog, IDC_TIP_SHOW_AT_STARTUP);
        {
            NoFrameworkMemory none;
            ASSERT_TRUE(none.ok());
            click(dialog, IDOK);
            openAfterOk = IsWindowVisible(dialog) != FALSE;
            click(dialog, IDC_TIP_NEXT);
            afterNext = itemText(dialog, IDC_TIP_TEXT);
        }
        pressEscape(dialog);
    });
    EXPECT_FALSE(run.tip.empty());
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(afterNext, L"");
    EXPECT_EQ(run.showAtStartup, TRUE);
    EXPECT_EQ(testApp().wndProcExceptions, escaped);
}

// A box without its check box, as a damaged language module's template
// would make it (taken away here once the box is up), fails the check as a
// refused value does: OK leaves the box open, Esc ends it.
TEST_F(TipOfTheDay, ABoxThatLostItsCheckBoxStaysOpenOnOkAndEndsByEscape)
{
    const unsigned escaped = testApp().wndProcExceptions;
    bool openAfterOk = false;
    const TipRun run = show(range(IDS_TIPS_FIRST, IDS_TIPS_LAST), FALSE, 2, 0, [&](HWND dialog) {
        DestroyWindow(GetDlgItem(dialog, IDC_TIP_SHOW_AT_STARTUP));
        click(dialog, IDOK);
        openAfterOk = IsWindowVisible(dialog) != FALSE;
        pressEscape(dialog);
    });
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(run.showAtStartup, FALSE);
    EXPECT_EQ(testApp().wndProcExceptions, escaped);
}

TEST_F(TipOfTheDay, PanelHeadingAndTipAreWhiteAndTheBulbSitsOnTheShadowColour)
{
    const Parameters tips = range(IDS_SINGLE, IDS_SINGLE);
    struct {
        COLORREF panel, heading, tip, checkBox, bulbCorner;
        bool bulbHasYellow = false;
        HBRUSH brushes[4] = {};
    } seen = {};
    show(tips, TRUE, kNeverShown, IDOK, [&](HWND dialog) {
        repaint(dialog);
        // Corners that no text reaches.
        RECT rect;
        GetClientRect(GetDlgItem(dialog, IDC_TIP_PANEL), &rect);
        seen.panel = itemPixel(dialog, IDC_TIP_PANEL, rect.right - 3, rect.bottom - 3);
        GetClientRect(GetDlgItem(dialog, IDC_TIP_HEADING), &rect);
        seen.heading = itemPixel(dialog, IDC_TIP_HEADING, rect.right - 2, rect.bottom - 2);
        GetClientRect(GetDlgItem(dialog, IDC_TIP_TEXT), &rect);
        seen.tip = itemPixel(dialog, IDC_TIP_TEXT, rect.right - 2, rect.bottom - 2);
        GetClientRect(GetDlgItem(dialog, IDC_TIP_SHOW_AT_STARTUP), &rect);
        seen.checkBox = itemPixel(dialog, IDC_TIP_SHOW_AT_STARTUP, rect.right - 1, rect.bottom - 1);
        seen.bulbCorner = itemPixel(dialog, IDC_TIP_PICTURE, 0, 0);
        GetClientRect(GetDlgItem(dialog, IDC_TIP_PICTURE), &rect);
        for (int y = 0; y < rect.bottom; ++y)
            for (int x = 0; x < rect.right; ++x)
                seen.bulbHasYellow |= itemPixel(dialog, IDC_TIP_PICTURE, x, y) == RGB(255, 255, 0);

        // What the box answers its items' colour requests.
        const int items[] = {IDC_TIP_PANEL, IDC_TIP_HEADING, IDC_TIP_TEXT, IDC_TIP_SHOW_AT_STARTUP};
        for (int i = 0; i < 4; ++i) {
            HWND item = GetDlgItem(dialog, items[i]);
            HDC dc = GetDC(item);
            seen.brushes[i] = reinterpret_cast<HBRUSH>(
                SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(item)));
            ReleaseDC(item, dc);
        }
    });
    const COLORREF white = RGB(255, 255, 255);
    EXPECT_EQ(seen.panel, white);
    EXPECT_EQ(seen.heading, white);
    EXPECT_EQ(seen.tip, white);
    EXPECT_NE(seen.checkBox, white);
    EXPECT_EQ(seen.bulbCorner, GetSysColor(COLOR_BTNSHADOW));
    EXPECT_TRUE(seen.bulbHasYellow);
    HBRUSH whiteBrush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(seen.brushes[0], whiteBrush);
    EXPECT_EQ(seen.brushes[1], whiteBrush);
    EXPECT_EQ(seen.brushes[2], whiteBrush);
    EXPECT_NE(seen.brushes[3], whiteBrush);
}

TEST_F(TipOfTheDay, NullArgumentsShowNothingAndChangeNothing)
{
    const Parameters tips = range(IDS_TIPS_FIRST, IDS_TIPS_LAST);
    int showAtStartup = 7;
    unsigned tip = 3;
    DialogDriver driver(pressEscape);
    CT_TipoftheDayDialog::sv_Show(nullptr, &showAtStartup, &tip);
    CT_TipoftheDayDialog::sv_Show(&tips, nullptr, &tip);
    CT_TipoftheDayDialog::sv_Show(&tips, &showAtStartup, nullptr);
    EXPECT_EQ(showAtStartup, 7);
    EXPECT_EQ(tip, 3u);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    EXPECT_FALSE(driver.acted());
}

// Each language module holds the box with every item the library addresses.
TEST_F(TipOfTheDay, EveryLanguageShowsTheWholeBox)
{
    CT_UILanguageMgr* languages = CT_UILanguageMgr::spco_GetUILanguageMgr();
    const unsigned before = languages->n_GetLanguage();
    const struct {
        unsigned language;
        const wchar_t* heading;
    } cases[] = {{0x0409, L"Did you know..."}, {0x0407, L"Wussten Sie schon..."}, {0x0411, L"ご存知ですか..."}};
    const Parameters tips = range(IDS_TIPS_FIRST, IDS_TIPS_LAST);
    for (const auto& language : cases) {
        ASSERT_TRUE(languages->b_SetLanguage(language.language)) << std::hex << language.language;
        bool allItems = false;
        const TipRun run = show(tips, TRUE, kNeverShown, IDOK, [&](HWND dialog) {
            allItems = true;
            for (int id : {IDC_TIP_TEXT, IDC_TIP_HEADING, IDC_TIP_PICTURE, IDC_TIP_SHOW_AT_STARTUP, IDC_TIP_NEXT,
                           IDC_TIP_PANEL, IDOK})
                allItems &= GetDlgItem(dialog, id) != nullptr;
        });
        EXPECT_TRUE(allItems) << std::hex << language.language;
        EXPECT_EQ(run.heading, language.heading);
        EXPECT_EQ(run.tip, L"Tip zero: the first of five.");
    }
    languages->b_SetLanguage(before);
}

// Tab goes from OK to Next Tip to the check box and round again, each
// showing that it has the focus; a space then ticks the box off.
TEST_F(TipOfTheDay, TabReachesEveryItemWithTheFocusShown)
{
    const Parameters tips = range(IDS_TIPS_FIRST, IDS_TIPS_LAST);
    TabWalk walk({IDOK, IDC_TIP_NEXT, IDC_TIP_SHOW_AT_STARTUP}, 4);
    std::vector<DialogDriver::Step> steps = walk.steps();
    steps.push_back([](HWND) { pressKey(VK_TAB); });
    steps.push_back([](HWND) { pressKey(VK_SPACE); });
    steps.push_back(pressOK);
    DialogDriver driver(steps);
    int showAtStartup = TRUE;
    unsigned tip = kNeverShown;
    CT_TipoftheDayDialog::sv_Show(&tips, &showAtStartup, &tip);
    EXPECT_EQ(walk.focused(),
              (std::vector<int>{IDOK, IDC_TIP_NEXT, IDC_TIP_SHOW_AT_STARTUP, IDOK, IDC_TIP_NEXT}));
    EXPECT_EQ(walk.focusFaults(), "");
    EXPECT_EQ(showAtStartup, FALSE) << "Space on the check box";
}

// ---- the tip search, straight on a dialog object ----

class TipProbe : public CT_TipoftheDayDialog {
public:
    using CT_TipoftheDayDialog::CT_TipoftheDayDialog;
    using CT_TipoftheDayDialog::b_ShowAtStartup;
    using CT_TipoftheDayDialog::co_Tip;
    using CT_TipoftheDayDialog::n_Tip;
    using CT_TipoftheDayDialog::n_TipCount;
    using CT_TipoftheDayDialog::pco_HeadingFont;
    using CT_TipoftheDayDialog::pco_TipFont;
    using CT_TipoftheDayDialog::pcso_Parameters;
    using CT_TipoftheDayDialog::v_LoadNextTip;
};

// The tip that follows `last`, as index and text.
std::pair<unsigned, std::wstring> nextTip(const Parameters& parameters, unsigned last)
{
    TipProbe probe(&parameters, nullptr);
    probe.n_Tip = last;
    probe.v_LoadNextTip();
    return {probe.n_Tip, static_cast<LPCWSTR>(probe.co_Tip)};
}

TEST(TipSearch, ANewDialogHoldsTheRecordAndItsCount)
{
    const Parameters tips = range(IDS_TIPS_FIRST, IDS_TIPS_LAST);
    TipProbe probe(&tips, nullptr);
    EXPECT_EQ(probe.pcso_Parameters, &tips);
    EXPECT_EQ(probe.n_TipCount, 5u);
    EXPECT_EQ(probe.n_Tip, kNeverShown);
    EXPECT_EQ(probe.b_ShowAtStartup, TRUE);
    EXPECT_TRUE(probe.co_Tip.IsEmpty());
    EXPECT_EQ(probe.pco_HeadingFont, nullptr);
    EXPECT_EQ(probe.pco_TipFont, nullptr);
    EXPECT_EQ(probe.m_hWnd, nullptr);

    TipProbe none(nullptr, nullptr);
    EXPECT_EQ(nextTip(*none.pcso_Parameters, 2).first, 0u) << "a missing record holds no tips";
}

TEST(TipSearch, TheIndexCountsOnAndRoundModuloTheCount)
{
    const Parameters tips = range(IDS_TIPS_FIRST, IDS_TIPS_LAST);
    const std::pair<unsigned, unsigned> cases[] = {
        {kNeverShown, 0}, {0, 1}, {3, 4}, {4, 0}, {5, 1}, {7, 3}, {1000, 1}, {kNeverShown - 1, 0}};
    for (const auto& [last, expected] : cases)
        EXPECT_EQ(nextTip(tips, last).first, expected) << "after " << last;
    EXPECT_EQ(nextTip(tips, 2).second, L"Tip three.");
}

TEST(TipSearch, ARecordCopiesItsThreeFields)
{
    const Parameters source = range(IDS_GAPS_FIRST, IDS_GAPS_LAST);
    Parameters target = {nullptr, 1, 2};
    EXPECT_EQ(&(target = source), &target);
    EXPECT_EQ(target.h_Instance, source.h_Instance);
    EXPECT_EQ(target.n_FirstTip, source.n_FirstTip);
    EXPECT_EQ(target.n_LastTip, source.n_LastTip);
}

// Counts the library's string loads by standing between it and the basis
// library's loader; every load passes on to the real one. A search that
// asks for more strings than there are numbers is stopped with a text of
// the counter's own, rather than left to run through 2^32 of them.
const int kStringNumbers = 0x10000;
int loads = 0;
ImportPatch* loadPatch = nullptr;
void countingLoad(CT_UString* out, HINSTANCE module, unsigned id)
{
    if (++loads > kStringNumbers + 2) {
        out->v_Set(L"stopped by the counter", static_cast<unsigned>(-1));
        return;
    }
    loadPatch->original<void (*)(CT_UString*, HINSTANCE, unsigned)>()(out, module, id);
}

// String numbers have 16 bits: a range that runs past them holds nothing
// there, and the search wraps to tip 0 without asking for each such tip.
// The test program's last string is IDS_SINGLE.
TEST(TipSearch, ARangeReachingPastTheLastStringNumberWrapsWithoutVisitingIt)
{
    ImportPatch patch(GetModuleHandleW(L"Dialogs.dll"), "LexorinBasis.dll",
                      "_ZN13CT_LoadString13sv_LoadStringEP10CT_UStringP11HINSTANCE__j",
                      reinterpret_cast<void*>(countingLoad));
    ASSERT_TRUE(patch.ok());
    loadPatch = &patch;

    loads = 0;
    const Parameters beyond = range(IDS_TIPS_FIRST, 0xFFFFFFF0);
    const auto [index, text] = nextTip(beyond, IDS_SINGLE - IDS_TIPS_FIRST);
    EXPECT_EQ(index, 0u);
    EXPECT_EQ(text, L"Tip zero: the first of five.");
    EXPECT_LE(loads, kStringNumbers);

    // The whole number range: 2^32 tips, a count of 0 in 32 bits.
    loads = 0;
    const Parameters whole = range(0, 0xFFFFFFFF);
    EXPECT_EQ(nextTip(whole, IDS_TIPS_FIRST + 3), std::make_pair(static_cast<unsigned>(IDS_TIPS_LAST),
                                                                std::wstring(L"Tip four: the last of five.")));
    EXPECT_EQ(nextTip(whole, kNeverShown).first, 0u);
    EXPECT_EQ(nextTip(whole, IDS_SINGLE).first, 0u);
    EXPECT_LE(loads, kStringNumbers + 2);
    loadPatch = nullptr;
}

} // namespace
