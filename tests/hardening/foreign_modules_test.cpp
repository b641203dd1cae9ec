// Modules that are not there: a host hands the library a module handle that
// was freed, one where no module ever was, its own program (which holds none
// of the resources asked for) or null. Every picture is then missing and
// every text empty, the dialogs still run and close as usual, and nothing
// is left behind.
#include <afxwin.h>

#include "AboutBoxView.h"
#include "DialogDriver.h"
#include "DibTestSupport.h"
#include "HardeningSupport.h"
#include "ShownDialog.h"
#include "SplashHost.h"

#include <Dialogs/Dialogs.h>
#include <Dialogs/TemplateIds.h>
#include <gtest/gtest.h>

#include <string>

namespace {

// A missing picture: no block, no size, no palette, nothing drawn.
void expectNoPicture(const CT_BigBitmap& bitmap)
{
    EXPECT_EQ(bitmap.h_GetHDIB(), nullptr);
    EXPECT_EQ(bitmap.n_GetWidth(), 0u);
    EXPECT_EQ(bitmap.n_GetHeight(), 0u);
    EXPECT_EQ(bitmap.pco_GetDocSize(), CSize(0, 0));
    EXPECT_EQ(bitmap.pco_GetDocPalette(), nullptr);
}

TEST(ForeignModules, ABitmapOfAModuleThatIsNotThereIsMissing)
{
    CT_BigBitmap warmUp;   // the window class lives for the process
    Leftovers leftovers;
    for (const ForeignModule& module : foreignModules()) {
        SCOPED_TRACE(module.what);
        for (unsigned id : {1u, 1007u, 0xFFFFu, 0x12345u}) {
            CT_BigBitmap bitmap(nullptr, module.handle, id, nullptr);
            expectNoPicture(bitmap);
            EXPECT_EQ(bitmap.h_ReadDIBFile(id), nullptr);
            bitmap.v_Set(nullptr, module.handle, id + 1, nullptr);
            expectNoPicture(bitmap);
            DibCanvas canvas(16, 16);
            ASSERT_TRUE(canvas.ready());
            bitmap.OnDraw(&canvas.dc);
            EXPECT_EQ(canvas.painted(), 0);
        }
    }
    leftovers.expectNone();
}

TEST(ForeignModules, ASplashOfAModuleThatIsNotThereIsAnEmptyWindowThatStillCloses)
{
    CT_BigBitmap warmUp;
    HostLoop loop;
    Leftovers leftovers;
    for (const ForeignModule& module : foreignModules()) {
        SCOPED_TRACE(module.what);
        CT_SplashWindow::st_Parameters parameters;
        parameters.h_Instance = module.handle;
        parameters.n_Bitmap = 1007;
        parameters.n_Seconds = 0;
        parameters.n_TextCount = 1;
        parameters.aso_Text[0].co_Text.v_Set(L"Starting", static_cast<unsigned>(-1));
        CT_SplashWindow::sv_Show(&parameters);
        ASSERT_TRUE(CT_SplashWindow::sb_Active());
        HWND splash = findSplashWindow();
        ASSERT_NE(splash, nullptr);
        RECT window = {};
        GetWindowRect(splash, &window);
        EXPECT_EQ(window.right - window.left, 0);
        EXPECT_EQ(window.bottom - window.top, 0);
        // The minimum time runs out and the host says it is ready.
        const int ticks = loop.splashTicks();
        ASSERT_TRUE(loop.runUntil([&] { return loop.splashTicks() > ticks; }));
        CT_SplashWindow::sv_Hide();
        EXPECT_FALSE(CT_SplashWindow::sb_Active());
        EXPECT_FALSE(IsWindow(splash));
        loop.drain();
    }
    leftovers.expectNone();
}

struct AboutView {
    std::wstring caption, text, version;
    int productPixelsUnlikeTheFace = -1;
};

// Reads the box as shown, then presses OK.
DialogDriver::Step readAndConfirm(AboutView& view)
{
    return [&view](HWND box) {
        repaint(box);
        view.caption = windowText(box);
        view.text = windowText(GetDlgItem(box, IDC_ABOUT_TEXT));
        view.version = windowText(GetDlgItem(box, IDC_ABOUT_VERSION));
        RECT item = {};
        HWND product = GetDlgItem(box, IDC_ABOUT_PRODUCT_LINK);
        GetWindowRect(product, &item);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&item), 2);
        HDC dc = GetDC(box);
        const COLORREF face = GetPixel(dc, 1, 1);
        view.productPixelsUnlikeTheFace = 0;
        for (int y = item.top; y < item.bottom; ++y)
            for (int x = item.left; x < item.right; ++x)
                view.productPixelsUnlikeTheFace += GetPixel(dc, x, y) != face;
        ReleaseDC(box, dc);
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    };
}

BOOL showAbout(const CT_AboutDialog::st_Parameters& parameters, AboutView& view)
{
    DialogDriver driver(readAndConfirm(view));
    const BOOL result = CT_AboutDialog::sb_Show(&parameters);
    EXPECT_FALSE(driver.closedTheBox()) << "the box did not take OK";
    EXPECT_EQ(driver.stepsRun(), 1u);
    return result;
}

TEST(ForeignModules, TheAboutBoxOfModulesThatAreNotThereHasNoProductPictureAndNoTexts)
{
    CT_AboutDialog::st_Parameters parameters;
    parameters.co_Version.v_Set(L"1.0", static_cast<unsigned>(-1));
    parameters.n_Build = 12;
    parameters.n_Bitmap16Colors = 1007;
    parameters.n_Bitmap = 1007;
    AboutView warmUp;
    ASSERT_TRUE(showAbout(parameters, warmUp));   // classes and cursors live on

    Leftovers leftovers;
    for (const ForeignModule& module : foreignModules()) {
        SCOPED_TRACE(module.what);
        parameters.h_Instance = module.handle;
        parameters.h_ResourceInstance = module.handle;
        AboutView view;
        EXPECT_TRUE(showAbout(parameters, view));
        EXPECT_EQ(view.caption, L"");
        EXPECT_EQ(view.text, L"");
        EXPECT_EQ(view.version, L"") << "no format, no version line";
        EXPECT_EQ(view.productPixelsUnlikeTheFace, 0) << "no product picture";
    }
    leftovers.expectNone();
}

struct TipView {
    std::wstring caption = L"unread", text = L"unread";
    unsigned tip = 2;
    int showAtStartup = TRUE;
};

// Shows the box of tips 100 to 104 of `module`, steps on once and confirms.
TipView showTips(HINSTANCE module)
{
    const CT_TipoftheDayDialog::st_Parameters range = {module, 100, 104};
    TipView view;
    DialogDriver driver([&view](HWND box) {
        view.caption = windowText(box);
        view.text = itemText(box, IDC_TIP_TEXT);
        click(box, IDC_TIP_NEXT);
        click(box, IDOK);
    });
    CT_TipoftheDayDialog::sv_Show(&range, &view.showAtStartup, &view.tip);
    EXPECT_TRUE(driver.acted());
    return view;
}

TEST(ForeignModules, TheTipBoxOfAModuleThatIsNotThereShowsAnEmptyTipZero)
{
    showTips(GetModuleHandleW(nullptr));   // classes and cursors live on
    Leftovers leftovers;
    for (const ForeignModule& module : foreignModules()) {
        SCOPED_TRACE(module.what);
        const TipView view = showTips(module.handle);
        EXPECT_EQ(view.caption, L"");
        EXPECT_EQ(view.text, L"");
        EXPECT_EQ(view.tip, 0u);
        EXPECT_EQ(view.showAtStartup, TRUE);
    }
    leftovers.expectNone();
}

} // namespace
