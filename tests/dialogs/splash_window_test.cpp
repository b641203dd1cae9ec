// The splash window as a host runs it: real windows on this display, the
// host's message loop offering each message to the splash, pixels read back
// from the window, and short minimum times. Nothing is timed: where order
// matters a timer of the test's own with a shorter period is the yardstick.
#include "BasisDiagnostics.h"
#include "DAZ32.h"
#include "DibTestSupport.h"
#include "FrameworkFailures.h"
#include "GdiCounter.h"
#include "ImportPatch.h"
#include "SplashHost.h"
#include "TestApplication.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <afxdiag.h>

namespace {

typedef CT_SplashWindow::st_Parameters Record;

const int kWidth = 120, kHeight = 60;
const COLORREF kCream = RGB(240, 230, 200);

struct Line {
    int x, y;
    const wchar_t* text;
};

Record record(HINSTANCE pictures, unsigned seconds, const std::vector<Line>& lines = {})
{
    Record parameters;
    parameters.h_Instance = pictures;
    parameters.n_Bitmap = DIB_SPLASH;
    parameters.n_Seconds = seconds;
    parameters.n_TextCount = static_cast<unsigned>(lines.size());
    for (size_t i = 0; i < lines.size() && i < 10; ++i) {
        parameters.aso_Text[i].i_X = lines[i].x;
        parameters.aso_Text[i].i_Y = lines[i].y;
        parameters.aso_Text[i].co_Text.v_Set(lines[i].text, static_cast<unsigned>(-1));
    }
    return parameters;
}

// What the window shows, copied from its client area.
void capture(HWND window, DibCanvas& canvas)
{
    HDC dc = GetDC(window);
    BitBlt(canvas.dc.m_hDC, 0, 0, canvas.width(), canvas.height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
}

// The splash picture with the lines over it, drawn here the plain way.
void drawExpected(DibCanvas& canvas, HMODULE pictures, const std::vector<Line>& lines)
{
    const std::vector<unsigned char> dib = resourceBytes(pictures, DIB_SPLASH);
    SetDIBitsToDevice(canvas.dc.m_hDC, 0, 0, kWidth, kHeight, 0, 0, 0, kHeight, dib.data() + 40 + 1024,
                      reinterpret_cast<const BITMAPINFO*>(dib.data()), DIB_RGB_COLORS);
    SetBkMode(canvas.dc.m_hDC, TRANSPARENT);
    HGDIOBJ font = SelectObject(canvas.dc.m_hDC, GetStockObject(DEFAULT_GUI_FONT));
    for (const Line& line : lines)
        TextOutW(canvas.dc.m_hDC, line.x, line.y, line.text, lstrlenW(line.text));
    SelectObject(canvas.dc.m_hDC, font);
}

class SplashWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pictures.handle());
        ASSERT_FALSE(CT_SplashWindow::sb_Active());
        // The first bitmap object names the window class for the process.
        CT_BigBitmap registration;
        blocks_ = DAZ_GetLiveBlockCount();
        strings_ = LexorinBasis_GetLiveBlockCount();
        windows_ = AfxDiagGetPermanentWindowCount();
    }
    void TearDown() override
    {
        CT_SplashWindow::sv_Kill();
        loop.drain();
        EXPECT_FALSE(CT_SplashWindow::sb_Active());
        EXPECT_EQ(findSplashWindow(), nullptr);
        EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks_) << "library heap blocks left";
        EXPECT_EQ(LexorinBasis_GetLiveBlockCount(), strings_) << "string blocks left";
        EXPECT_EQ(AfxDiagGetPermanentWindowCount(), windows_) << "window objects left";
    }

    bool closed() const { return !CT_SplashWindow::sb_Active() && !findSplashWindow(); }

    PictureModule pictures;
    HostLoop loop;

private:
    long blocks_ = 0;
    long strings_ = 0;
    int windows_ = 0;
};

TEST_F(SplashWindowTest, ShowMakesOneTopmostBorderlessWindowOfThePictureCentredOnTheScreen)
{
    Record parameters = record(pictures.handle(), 60);
    CT_SplashWindow::sv_Show(&parameters);
    ASSERT_TRUE(CT_SplashWindow::sb_Active());
    HWND splash = findSplashWindow();
    ASSERT_TRUE(splash);
    EXPECT_TRUE(IsWindowVisible(splash));
    const LONG style = GetWindowLongW(splash, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_EQ(style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_SYSMENU), 0);
    EXPECT_TRUE(GetWindowLongW(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetParent(splash), nullptr);
    // The window's object is the library's, from its allocator: in the 64-bit
    // build above 4 GiB, where its window finds it all the same.
    CWnd* object = CWnd::FromHandlePermanent(splash);
    ASSERT_NE(object, nullptr);
    if (sizeof(void*) == 8) {
        EXPECT_GT(reinterpret_cast<uintptr_t>(object), uintptr_t(0xFFFFFFFF));
    }

    RECT frame, client, work;
    GetWindowRect(splash, &frame);
    GetClientRect(splash, &client);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(client.right, kWidth);
    EXPECT_EQ(client.bottom, kHeight);
    EXPECT_NEAR(frame.left - work.left, work.right - frame.right, 1);
    EXPECT_NEAR(frame.top - work.top, work.bottom - frame.bottom, 1);
}

// The picture is drawn from the window's corner even when the first text
// starts elsewhere: the window has the picture's size and shows all of it.
TEST_F(SplashWindowTest, ThePictureFillsTheWindowFromItsCorner)
{
    Record parameters = record(pictures.handle(), 60, {{30, 20, L"x"}});
    CT_SplashWindow::sv_Show(&parameters);
    HWND splash = findSplashWindow();
    ASSERT_TRUE(splash);
    DibCanvas shown(kWidth, kHeight);
    capture(splash, shown);
    EXPECT_EQ(shown.at(0, 0), kQuadColours[0]);
    EXPECT_EQ(shown.at(kWidth - 1, 0), kQuadColours[1]);
    EXPECT_EQ(shown.at(0, kHeight - 1), kQuadColours[2]);
    EXPECT_EQ(shown.at(kWidth - 1, kHeight - 1), kQuadColours[3]);
    EXPECT_EQ(shown.at(60, 5), kCream);
}

// Three lines; none in use, though the first entry has a text; a count of
// twelve, which draws the ten entries there are.
TEST_F(SplashWindowTest, TextLinesAreDrawnOverThePictureInTheDefaultGuiFont)
{
    std::vector<Line> ten;
    const wchar_t* digits[10] = {L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"};
    for (int i = 0; i < 10; ++i)
        ten.push_back({4 + 11 * i, 2 + 5 * i, digits[i]});
    struct Case {
        std::vector<Line> lines;
        unsigned count;
    };
    const Case cases[] = {{{{8, 6, L"Lexorin 7"}, {8, 24, L"Starting..."}, {70, 40, L"Build"}}, 3},
                          {{{8, 6, L"not in use"}}, 0},
                          {ten, 12}};
    for (const Case& c : cases) {
        Record parameters = record(pictures.handle(), 60, c.lines);
        parameters.n_TextCount = c.count;
        CT_SplashWindow::sv_Show(&parameters);
        HWND splash = findSplashWindow();
        ASSERT_TRUE(splash);
        DibCanvas shown(kWidth, kHeight), expected(kWidth, kHeight), bare(kWidth, kHeight);
        capture(splash, shown);
        drawExpected(expected, pictures.handle(), c.count ? c.lines : std::vector<Line>());
        drawExpected(bare, pictures.handle(), {});
        EXPECT_EQ(differences(shown, expected), 0) << c.count << " texts";
        EXPECT_EQ(differences(shown, bare) > 50, c.count != 0) << c.count << " texts";
        CT_SplashWindow::sv_Kill();
    }
}

// The host's record may go as soon as the show returns.
TEST_F(SplashWindowTest, TheSplashRepaintsFromItsOwnCopyOfTheRecord)
{
    const std::vector<Line> lines = {{10, 10, L"Kept"}};
    {
        Record parameters = record(pictures.handle(), 60, lines);
        CT_SplashWindow::sv_Show(&parameters);
        parameters.aso_Text[0].co_Text.v_Set(L"Changed", static_cast<unsigned>(-1));
    }
    HWND splash = findSplashWindow();
    ASSERT_TRUE(splash);
    InvalidateRect(splash, nullptr, FALSE);
    UpdateWindow(splash);
    DibCanvas shown(kWidth, kHeight), expected(kWidth, kHeight);
    capture(splash, shown);
    drawExpected(expected, pictures.handle(), lines);
    EXPECT_EQ(differences(shown, expected), 0);
}

TEST_F(SplashWindowTest, HideWithinTheMinimumTimeClosesWhenTheTimeIsOver)
{
    Record parameters = record(pictures.handle(), 1);
    CT_SplashWindow::sv_Show(&parameters);
    CT_SplashWindow::sv_Hide();
    EXPECT_TRUE(CT_SplashWindow::sb_Active());
    EXPECT_TRUE(IsWindowVisible(findSplashWindow()));
    {
        Yardstick early(300);
        ASSERT_TRUE(loop.runUntil([&] { return early.fired(); }));
        EXPECT_TRUE(CT_SplashWindow::sb_Active()) << "closed before its time";
        EXPECT_EQ(loop.splashTicks(), 0);
    }
    ASSERT_TRUE(loop.runUntil([&] { return closed(); }));
    EXPECT_EQ(loop.splashTicks(), 1);
}

TEST_F(SplashWindowTest, HideAfterTheMinimumTimeClosesAtOnce)
{
    Record parameters = record(pictures.handle(), 1);
    CT_SplashWindow::sv_Show(&parameters);
    ASSERT_TRUE(loop.runUntil([&] { return loop.splashTicks() == 1; }));
    EXPECT_TRUE(CT_SplashWindow::sb_Active());
    CT_SplashWindow::sv_Hide();
    EXPECT_TRUE(closed());
}

TEST_F(SplashWindowTest, WithoutHideTheSplashStaysAfterItsTime)
{
    Record parameters = record(pictures.handle(), 0);
    CT_SplashWindow::sv_Show(&parameters);
    ASSERT_TRUE(loop.runUntil([&] { return loop.splashTicks() == 1; }));
    Yardstick later(200);
    ASSERT_TRUE(loop.runUntil([&] { return later.fired(); }));
    EXPECT_TRUE(CT_SplashWindow::sb_Active());
    EXPECT_TRUE(IsWindowVisible(findSplashWindow()));
    EXPECT_EQ(loop.splashTicks(), 1) << "the timer runs once";
    CT_SplashWindow::sv_Kill();
    EXPECT_TRUE(closed());
}

TEST_F(SplashWindowTest, KillClosesAtOnceWithinTheMinimumTime)
{
    Record parameters = record(pictures.handle(), 60);
    CT_SplashWindow::sv_Show(&parameters);
    CT_SplashWindow::sv_Kill();
    EXPECT_TRUE(closed());
    // The window's timer went with it.
    Yardstick after(100);
    ASSERT_TRUE(loop.runUntil([&] { return after.fired(); }));
    EXPECT_EQ(loop.splashTicks(), 0);
}

// Stands between the framework and the system's window contexts, which this
// display never runs out of: the splash then shows unpainted, its paint
// ended, and closes as any other.
TEST_F(SplashWindowTest, WithoutWindowContextsTheSplashShowsUnpaintedAndCloses)
{
    Record parameters = record(pictures.handle(), 60, {{30, 20, L"x"}});
    const unsigned escaped = testApp().wndProcExceptions;
    {
        NoWindowContexts none;
        ASSERT_TRUE(none.ok());
        CT_SplashWindow::sv_Show(&parameters);
        HWND splash = findSplashWindow();
        ASSERT_TRUE(splash);
        InvalidateRect(splash, nullptr, FALSE);
        UpdateWindow(splash);
        EXPECT_FALSE(GetUpdateRect(splash, nullptr, FALSE)) << "the paint was ended";
    }
    EXPECT_EQ(testApp().wndProcExceptions, escaped);
    CT_SplashWindow::sv_Kill();
    EXPECT_TRUE(closed());
}

TEST_F(SplashWindowTest, ZeroSecondsEndsTheMinimumTimeAsSoonAsTheLoopRuns)
{
    Record parameters = record(pictures.handle(), 0);
    CT_SplashWindow::sv_Show(&parameters);
    CT_SplashWindow::sv_Hide();
    EXPECT_TRUE(CT_SplashWindow::sb_Active());
    ASSERT_TRUE(loop.runUntil([&] { return closed(); }));
}

// Seconds that would overflow in milliseconds are held to the longest
// timer; they do not wrap round to 704 milliseconds.
TEST_F(SplashWindowTest, AVeryLongMinimumTimeDoesNotWrapToAShortOne)
{
    Record parameters = record(pictures.handle(), 4294968u);
    CT_SplashWindow::sv_Show(&parameters);
    CT_SplashWindow::sv_Hide();
    Yardstick later(1500);
    ASSERT_TRUE(loop.runUntil([&] { return later.fired(); }));
    EXPECT_TRUE(CT_SplashWindow::sb_Active());
}

TEST_F(SplashWindowTest, KeyAndButtonPressesCloseAtOnceAndAreTakenOtherMessagesPass)
{
    HostWindow host;
    Record parameters = record(pictures.handle(), 60);
    CT_SplashWindow::sv_Show(&parameters);
    const UINT others[] = {WM_MOUSEMOVE, WM_KEYUP,  WM_CHAR,        WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                           WM_TIMER,     WM_PAINT, WM_NCMOUSEMOVE, WM_MOUSEWHEEL, WM_SYSKEYUP};
    for (UINT other : others) {
        MSG message = {host.handle(), other, 0, 0, 0, {0, 0}};
        EXPECT_FALSE(CT_SplashWindow::sb_PreTranslateAppMessage(&message)) << "message " << std::hex << other;
    }
    EXPECT_FALSE(CT_SplashWindow::sb_PreTranslateAppMessage(nullptr));
    EXPECT_TRUE(CT_SplashWindow::sb_Active());
    CT_SplashWindow::sv_Kill();

    const UINT presses[] = {WM_KEYDOWN,       WM_SYSKEYDOWN,    WM_LBUTTONDOWN,   WM_RBUTTONDOWN,
                            WM_MBUTTONDOWN,   WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN};
    for (UINT press : presses) {
        CT_SplashWindow::sv_Show(&parameters);
        ASSERT_TRUE(CT_SplashWindow::sb_Active());
        MSG message = {host.handle(), press, 0, 0, 0, {0, 0}};
        EXPECT_TRUE(CT_SplashWindow::sb_PreTranslateAppMessage(&message)) << "message " << std::hex << press;
        EXPECT_TRUE(closed()) << "message " << std::hex << press;
    }
}

// Through the host's own loop: the click that closes the splash is taken;
// once the splash is gone, clicks and keys reach the host again.
TEST_F(SplashWindowTest, AClickIntoTheHostClosesTheSplashAndLaterOnesReachTheHost)
{
    HostWindow host;
    ASSERT_TRUE(host.handle());
    loop.drain();
    Record parameters = record(pictures.handle(), 60);
    CT_SplashWindow::sv_Show(&parameters);
    PostMessageW(host.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ASSERT_TRUE(loop.runUntil([&] { return closed(); }));
    EXPECT_EQ(host.pressesReceived(), 0);

    PostMessageW(host.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(host.handle(), WM_KEYDOWN, 'A', 0);
    ASSERT_TRUE(loop.runUntil([&] { return host.pressesReceived() == 2; }));
}

TEST_F(SplashWindowTest, WithoutASplashNothingIsTakenAndHideAndKillDoNothing)
{
    MSG key = {nullptr, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    EXPECT_FALSE(CT_SplashWindow::sb_PreTranslateAppMessage(&key));
    MSG move = {nullptr, WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
    EXPECT_FALSE(CT_SplashWindow::sb_PreTranslateAppMessage(&move));
    CT_SplashWindow::sv_Hide();
    CT_SplashWindow::sv_Kill();
    EXPECT_FALSE(CT_SplashWindow::sb_Active());

    // After a splash has closed as well.
    Record parameters = record(pictures.handle(), 0);
    CT_SplashWindow::sv_Show(&parameters);
    CT_SplashWindow::sv_Kill();
    EXPECT_FALSE(CT_SplashWindow::sb_PreTranslateAppMessage(&key));
    CT_SplashWindow::sv_Hide();
    EXPECT_TRUE(closed());
}

TEST_F(SplashWindowTest, ASecondShowLeavesTheSplashThatIsUpAlone)
{
    Record first = record(pictures.handle(), 60, {{5, 5, L"First"}});
    CT_SplashWindow::sv_Show(&first);
    HWND splash = findSplashWindow();
    ASSERT_TRUE(splash);
    DibCanvas before(kWidth, kHeight), after(kWidth, kHeight);
    capture(splash, before);

    Record second = record(pictures.handle(), 0, {{5, 30, L"Second"}});
    CT_SplashWindow::sv_Show(&second);
    EXPECT_EQ(findSplashWindow(), splash);
    InvalidateRect(splash, nullptr, FALSE);
    UpdateWindow(splash);
    capture(splash, after);
    EXPECT_EQ(differences(after, before), 0);
    // Still the first one's minimum time.
    CT_SplashWindow::sv_Hide();
    Yardstick later(300);
    ASSERT_TRUE(loop.runUntil([&] { return later.fired(); }));
    EXPECT_TRUE(CT_SplashWindow::sb_Active());

    CT_SplashWindow::sv_Kill();
    ASSERT_TRUE(closed());
    CT_SplashWindow::sv_Show(&second);
    EXPECT_TRUE(CT_SplashWindow::sb_Active());
}

TEST_F(SplashWindowTest, AMissingPictureGivesAnEmptyWindowThatClosesByTheSameRules)
{
    Record parameters = record(pictures.handle(), 0);
    parameters.n_Bitmap = 4093;
    CT_SplashWindow::sv_Show(&parameters);
    HWND splash = findSplashWindow();
    ASSERT_TRUE(splash);
    RECT client;
    GetClientRect(splash, &client);
    EXPECT_EQ(client.right, 0);
    EXPECT_EQ(client.bottom, 0);
    CT_SplashWindow::sv_Hide();
    EXPECT_TRUE(CT_SplashWindow::sb_Active());
    ASSERT_TRUE(loop.runUntil([&] { return closed(); }));
}

// Stands between the library and SetTimer: running out of timers is what
// this system does not do on request.
UINT_PTR WINAPI noTimer(HWND, UINT_PTR, UINT, TIMERPROC)
{
    return 0;
}

// No record, no memory for the object, or no timer: nothing shows, and the
// object made for it is gone again (the fixture counts the blocks).
TEST_F(SplashWindowTest, WhenNoSplashCanBeMadeNothingIsShown)
{
    CT_SplashWindow::sv_Show(nullptr);
    EXPECT_TRUE(closed());

    Record parameters = record(pictures.handle(), 1);
    DAZ_FailAllocationsAfter(0);
    CT_SplashWindow::sv_Show(&parameters);
    DAZ_FailAllocationsAfter(-1);
    EXPECT_TRUE(closed());

    ImportPatch patch(GetModuleHandleW(L"Dialogs.dll"), "USER32.dll", "SetTimer", reinterpret_cast<void*>(&noTimer));
    ASSERT_TRUE(patch.ok());
    CT_SplashWindow::sv_Show(&parameters);
    EXPECT_TRUE(closed());
}

// The object lives in the library's heap exactly as long as its window.
TEST_F(SplashWindowTest, TheSplashDeletesItselfWithItsWindow)
{
    const long before = DAZ_GetLiveBlockCount();
    GdiCounter gdi({L"Dialogs.dll", L"MFC71U.DLL"});
    Record parameters = record(pictures.handle(), 0, {{2, 2, L"Lexorin"}});
    CT_SplashWindow::sv_Show(&parameters);
    ASSERT_TRUE(CT_SplashWindow::sb_Active());
    EXPECT_GT(DAZ_GetLiveBlockCount(), before);
    CT_SplashWindow::sv_Hide();
    ASSERT_TRUE(loop.runUntil([&] { return closed(); }));
    EXPECT_EQ(DAZ_GetLiveBlockCount(), before);
    EXPECT_EQ(gdi.liveObjects(), 0u);
    EXPECT_EQ(gdi.liveWindowDCs(), 0u);
}

} // namespace
