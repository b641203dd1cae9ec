// The splash window and a host's dialog of the library's controls, each
// shown and closed hundreds of times in one process: everything they take
// comes back.
#include <afxwin.h>

#include "DialogDriver.h"
#include "Hover.h"
#include "LeakCounts.h"
#include "ScreenReader.h"
#include "SoakHostDialog.h"
#include "SoakIds.h"
#include "SplashHost.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>

#include <oleacc.h>

namespace {

const int kRounds = 200;
const unsigned kLongSeconds = 600;

CT_SplashWindow::st_Parameters splashRecord(unsigned seconds)
{
    CT_SplashWindow::st_Parameters record;
    record.h_Instance = GetModuleHandleW(nullptr);
    record.n_Bitmap = IDB_SOAK_SPLASH;
    record.n_Seconds = seconds;
    record.n_TextCount = 2;
    record.aso_Text[0] = {20, 200, CT_UString(L"Starting the soak host...")};
    record.aso_Text[1] = {20, 220, CT_UString(L"Version 7.0.1")};
    return record;
}

// Shows the splash and checks that its window is up, with the picture's size.
void showSplash(CT_SplashWindow::st_Parameters& record)
{
    CT_SplashWindow::sv_Show(&record);
    ASSERT_TRUE(CT_SplashWindow::sb_Active());
    HWND splash = findSplashWindow();
    ASSERT_NE(splash, nullptr);
    RECT rect = {};
    GetWindowRect(splash, &rect);
    ASSERT_EQ(rect.right - rect.left, 400);
    ASSERT_EQ(rect.bottom - rect.top, 250);
}

void expectSplashGone()
{
    ASSERT_FALSE(CT_SplashWindow::sb_Active());
    ASSERT_EQ(findSplashWindow(), nullptr);
}

TEST(WindowSoak, SplashClosedByKill)
{
    CT_SplashWindow::st_Parameters record = splashRecord(kLongSeconds);
    soak("Splash closed by sv_Kill", kRounds, [&] {
        showSplash(record);
        HostLoop().drain();
        CT_SplashWindow::sv_Kill();
        expectSplashGone();
    });
}

TEST(WindowSoak, SplashClosedByHideAfterItsTime)
{
    CT_SplashWindow::st_Parameters record = splashRecord(0);
    soak("Splash closed by sv_Hide once its time is over", kRounds, [&] {
        showSplash(record);
        HostLoop loop;
        ASSERT_TRUE(loop.runUntil([&] { return loop.splashTicks() == 1; }));
        CT_SplashWindow::sv_Hide();
        expectSplashGone();
    });
}

TEST(WindowSoak, SplashClosedByHideWithinItsTime)
{
    CT_SplashWindow::st_Parameters record = splashRecord(0);
    soak("Splash closed by sv_Hide within its time", kRounds, [&] {
        showSplash(record);
        CT_SplashWindow::sv_Hide();
        ASSERT_TRUE(CT_SplashWindow::sb_Active()) << "the splash waits for its time";
        ASSERT_TRUE(HostLoop().runUntil([] { return !CT_SplashWindow::sb_Active(); }));
        expectSplashGone();
    });
}

TEST(WindowSoak, SplashClosedByAKeyPress)
{
    CT_SplashWindow::st_Parameters record = splashRecord(kLongSeconds);
    soak("Splash closed by a key press", kRounds, [&] {
        showSplash(record);
        PostMessageW(findSplashWindow(), WM_KEYDOWN, VK_SPACE, 0);
        ASSERT_TRUE(HostLoop().runUntil([] { return !CT_SplashWindow::sb_Active(); }));
        expectSplashGone();
    });
}

TEST(WindowSoak, HostDialogWithPicturesAndLinks)
{
    ScreenReader reader;
    soak("Host dialog with CT_BigBitmap pictures, links and a text link", kRounds, [&] {
        long textLinkRole = 0;
        DialogDriver player([&](HWND dialog) {
            repaint(dialog);
            hover(dialog, IDC_SOAK_PRODUCT);
            hover(dialog, IDC_SOAK_LINK);
            hover(dialog, IDC_SOAK_TEXT_LINK);
            textLinkRole = reader.read(GetDlgItem(dialog, IDC_SOAK_TEXT_LINK)).role;
            repaint(dialog);
            click(dialog, IDOK);
        });
        SoakHostDialog dialog;
        ASSERT_EQ(dialog.DoModal(), IDOK);
        ASSERT_TRUE(player.acted());
        ASSERT_EQ(textLinkRole, ROLE_SYSTEM_LINK);
        ASSERT_TRUE(dialog.picturesHeld());
    });
}

} // namespace
