// The hyperlink control on real static items of a shown dialog: the shell
// really opens the targets (a program of the tests that leaves a trace, or a
// file that does not exist), the mouse and keys arrive as real messages, and
// the focus rectangle is read back from the screen.
#include "FrameworkFailures.h"
#include "LinkTestHost.h"
#include "LinkTestActions.h"
#include "LinkTestIds.h"
#include "OpenTrace.h"
#include "TestApplication.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

namespace {

// What the control keeps, as a host class derived from it sees it.
class Probe : public CT_HttpLink {
public:
    using CT_HttpLink::b_Over;
    using CT_HttpLink::b_Visited;
    using CT_HttpLink::co_ToolTip;
    using CT_HttpLink::co_URL;
    using CT_HttpLink::h_LinkCursor;
    using CT_HttpLink::h_PreviousCursor;
};

std::wstring text(const CT_UString& string)
{
    return string.qcuz_Get();
}

std::wstring tipText(const Probe& link)
{
    wchar_t buffer[1024] = {};
    TOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = link.m_hWnd;
    info.uId = 1;
    info.lpszText = buffer;
    SendMessageW(link.co_ToolTip.m_hWnd, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&info));
    return buffer;
}

RECT toolRect(const Probe& link)
{
    TOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = link.m_hWnd;
    info.uId = 1;
    SendMessageW(link.co_ToolTip.m_hWnd, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info));
    return info.rect;
}

bool sameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

bool hasUpdateRegion(HWND window)
{
    return GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

HCURSOR linkHand()
{
    return LoadCursorW(GetModuleHandleW(L"Dialogs.dll"), MAKEINTRESOURCEW(1006));
}

void sendMouseMove(HWND window, int x, int y)
{
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

// A real click of the pointer at the centre of a window, handled.
void clickAt(HWND window)
{
    const RECT client = clientRect(window);
    clickWithPointer(window, POINT{client.right / 2, client.bottom / 2});
    pumpMessages();
}

TEST(HttpLinkObject, IsACStaticOfItsOwnRunTimeClass)
{
    CRuntimeClass* linkClass = RUNTIME_CLASS(CT_HttpLink);
    EXPECT_STREQ(linkClass->m_lpszClassName, "CT_HttpLink");
    EXPECT_EQ(linkClass->m_pfnGetBaseClass(), RUNTIME_CLASS(CStatic));
    EXPECT_EQ(linkClass->m_pfnCreateObject, nullptr);
    Probe link;
    EXPECT_EQ(link.GetRuntimeClass(), linkClass);
    EXPECT_TRUE(link.IsKindOf(RUNTIME_CLASS(CStatic)));
}

TEST(HttpLinkObject, StartsUnvisitedWithTheLibrarysHandAndNoTarget)
{
    Probe link;
    EXPECT_FALSE(link.b_Visited);
    EXPECT_FALSE(link.b_Over);
    EXPECT_EQ(link.h_PreviousCursor, nullptr);
    ASSERT_NE(linkHand(), nullptr);
    EXPECT_EQ(link.h_LinkCursor, linkHand());
    EXPECT_EQ(link.co_URL.vn_GetLength(), 0u);
    EXPECT_EQ(link.co_ToolTip.m_hWnd, nullptr);
    EXPECT_EQ(link.m_hWnd, nullptr);
}

TEST(HttpLinkObject, TheFirstModuleOfTheResourceSearchThatHasTheHandGivesIt)
{
    HMODULE own = LoadLibraryW(L"LinkCursorModule.dll");
    ASSERT_NE(own, nullptr);
    const HCURSOR ownHand = LoadCursorW(own, MAKEINTRESOURCEW(1006));
    ASSERT_NE(ownHand, nullptr);
    ASSERT_NE(ownHand, linkHand());
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(own);
    Probe searchedFirst;
    AfxSetResourceHandle(previous);
    Probe usual;
    EXPECT_EQ(searchedFirst.h_LinkCursor, ownHand);
    EXPECT_EQ(usual.h_LinkCursor, linkHand());
    FreeLibrary(own);
}

TEST(HttpLinkObject, ATargetSetWithoutAWindowIsStoredAndGoesToTheTooltipOnAttach)
{
    Probe link;
    setURL(link, L"https://www.lexorin.example/product");
    EXPECT_EQ(text(link.co_URL), L"https://www.lexorin.example/product");
    EXPECT_EQ(link.co_ToolTip.m_hWnd, nullptr);

    LinkTestHost host;
    ASSERT_TRUE(link.SubclassDlgItem(IDC_LEFT_LINK, host.window()));
    ASSERT_NE(link.co_ToolTip.m_hWnd, nullptr);
    EXPECT_EQ(link.co_ToolTip.GetToolCount(), 1);
    EXPECT_EQ(tipText(link), L"https://www.lexorin.example/product");
    EXPECT_TRUE(sameRect(toolRect(link), clientRect(link.m_hWnd)));
    EXPECT_EQ(GetWindowLongPtrW(link.m_hWnd, GWL_STYLE), GetWindowLongPtrW(host.item(IDC_LEFT_LINK), GWL_STYLE));
}

class HttpLinkInDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(host.dialog(), nullptr);
        ASSERT_TRUE(link.SubclassDlgItem(IDC_LEFT_LINK, host.window()));
        host.paint();
    }
    void TearDown() override
    {
        ReleaseCapture();
    }

    LinkTestHost host;
    Probe link;
    OpenTrace trace;
};

TEST_F(HttpLinkInDialog, ANewTargetRenamesTheTipAndRepaintsButKeepsTheSize)
{
    const RECT before = host.itemRect(IDC_LEFT_LINK);
    ValidateRect(link.m_hWnd, nullptr);
    setURL(link, L"https://www.lexorin.example/");
    EXPECT_EQ(tipText(link), L"https://www.lexorin.example/");
    EXPECT_TRUE(hasUpdateRegion(link.m_hWnd));
    EXPECT_TRUE(sameRect(host.itemRect(IDC_LEFT_LINK), before)) << "a plain link never changes its size";
}

TEST_F(HttpLinkInDialog, AClickOpensTheTargetThroughTheShellAndMarksItVisited)
{
    setURL(link, OpenTrace::target());
    host.paint();
    clickAt(link.m_hWnd);
    EXPECT_EQ(trace.waitForRuns(1), 1);
    EXPECT_TRUE(link.b_Visited);
    EXPECT_EQ(GetFocus(), link.m_hWnd) << "the click gives the link the focus";
}

TEST_F(HttpLinkInDialog, WithoutSSNotifyThePointerPassesThroughButSpaceStillOpens)
{
    Probe silent;
    ASSERT_TRUE(silent.SubclassDlgItem(IDC_SILENT_LINK, host.window()));
    setURL(silent, OpenTrace::target());
    host.paint();

    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    SetCursor(arrow);
    clickAt(silent.m_hWnd);
    EXPECT_FALSE(silent.b_Over);
    EXPECT_NE(GetCapture(), silent.m_hWnd);
    EXPECT_NE(GetCursor(), linkHand());
    EXPECT_FALSE(silent.b_Visited) << "no click reaches an item without SS_NOTIFY";

    silent.SetFocus();
    SendMessageW(silent.m_hWnd, WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_TRUE(silent.b_Visited);
    EXPECT_EQ(trace.waitForRuns(1), 1);
}

TEST_F(HttpLinkInDialog, SpaceOpensAndEnterDoesNothing)
{
    setURL(link, OpenTrace::target());
    link.SetFocus();
    SendMessageW(link.m_hWnd, WM_KEYDOWN, VK_RETURN, 1);
    SendMessageW(link.m_hWnd, WM_KEYUP, VK_RETURN, 1);
    EXPECT_FALSE(link.b_Visited);
    SendMessageW(link.m_hWnd, WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_TRUE(link.b_Visited);
    EXPECT_EQ(trace.waitForRuns(1), 1);
}

TEST_F(HttpLinkInDialog, AFailedOpenLeavesTheLinkAloneAndALaterSuccessMarksAndRepaintsIt)
{
    setURL(link, OpenTrace::missingTarget());
    host.paint();
    ValidateRect(link.m_hWnd, nullptr);
    notifyClick(host.dialog(), link.m_hWnd);
    EXPECT_FALSE(link.b_Visited);
    EXPECT_FALSE(hasUpdateRegion(link.m_hWnd)) << "a failed open does not repaint";

    setURL(link, OpenTrace::target());
    host.paint();
    ValidateRect(link.m_hWnd, nullptr);
    notifyClick(host.dialog(), link.m_hWnd);
    EXPECT_TRUE(link.b_Visited);
    EXPECT_TRUE(hasUpdateRegion(link.m_hWnd));
    EXPECT_EQ(trace.waitForRuns(1), 1);

    setURL(link, OpenTrace::missingTarget());
    SendMessageW(link.m_hWnd, WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_TRUE(link.b_Visited) << "a link once visited stays visited";
}

TEST_F(HttpLinkInDialog, HoveringSetsTheHandOnceAndLeavingRestoresTheVeryPreviousCursor)
{
    const HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
    const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    SetCursor(cross);

    sendMouseMove(link.m_hWnd, 2, 2);
    EXPECT_TRUE(link.b_Over);
    EXPECT_EQ(GetCapture(), link.m_hWnd);
    EXPECT_EQ(GetCursor(), linkHand());
    EXPECT_EQ(link.h_PreviousCursor, cross);

    SetCursor(wait);
    sendMouseMove(link.m_hWnd, 5, 3);
    EXPECT_EQ(GetCursor(), wait) << "the hand is set only on entering";
    EXPECT_EQ(link.h_PreviousCursor, cross);

    const RECT client = clientRect(link.m_hWnd);
    sendMouseMove(link.m_hWnd, client.right, 2);
    EXPECT_FALSE(link.b_Over);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetCursor(), cross);

    SetCursor(wait);
    sendMouseMove(link.m_hWnd, client.right + 5, 2);
    EXPECT_EQ(GetCursor(), wait) << "moving about outside changes nothing";
}

// Losing the focus ends the hover, and so does losing the capture to another
// window (a menu, a drag, Alt+Tab), after which no move outside ever comes.
TEST_F(HttpLinkInDialog, LosingTheFocusOrTheCaptureWhileHoveringEndsTheHover)
{
    const HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
    const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    link.SetFocus();
    SetCursor(cross);
    sendMouseMove(link.m_hWnd, 2, 2);
    ASSERT_TRUE(link.b_Over);
    SetFocus(host.item(IDOK));
    EXPECT_FALSE(link.b_Over);
    EXPECT_NE(GetCapture(), link.m_hWnd);
    EXPECT_EQ(GetCursor(), cross);

    link.SetFocus();
    sendMouseMove(link.m_hWnd, 2, 2);
    ASSERT_TRUE(link.b_Over);
    SetCapture(host.item(IDOK));
    EXPECT_FALSE(link.b_Over);
    EXPECT_EQ(GetCapture(), host.item(IDOK)) << "the capture stays with the window that took it";
    EXPECT_EQ(GetCursor(), cross);
    ReleaseCapture();

    SetCursor(wait);
    SetFocus(host.item(IDOK));
    EXPECT_EQ(GetCursor(), wait) << "losing the focus later puts back no stale cursor";
    sendMouseMove(link.m_hWnd, 3, 3);
    EXPECT_TRUE(link.b_Over) << "the next entry hovers again";
    EXPECT_EQ(GetCapture(), link.m_hWnd);
    EXPECT_EQ(GetCursor(), linkHand());
}

TEST_F(HttpLinkInDialog, TheFocusDrawsADottedFrameOnePixelOutsideAndTakesItAway)
{
    const std::vector<COLORREF> before = host.ringAround(IDC_LEFT_LINK);
    link.SetFocus();
    const std::vector<COLORREF> focused = host.ringAround(IDC_LEFT_LINK);
    SetFocus(host.item(IDOK));
    const std::vector<COLORREF> after = host.ringAround(IDC_LEFT_LINK);

    size_t changed = 0;
    for (size_t i = 0; i < before.size(); ++i)
        changed += focused[i] != before[i];
    EXPECT_GT(changed, before.size() / 3) << "a dotted frame changes every other pixel";
    EXPECT_LT(changed, before.size()) << "dotted, not solid";
    EXPECT_EQ(after, before);

    const RECT item = host.itemRect(IDC_LEFT_LINK);
    EXPECT_EQ(host.pixel(item.left - 2, item.top - 2), host.pixel(item.left - 3, item.top - 3))
        << "nothing is drawn further out";
}

TEST_F(HttpLinkInDialog, ResizingTakesTheWindowTextAsTargetOnlyWhileThereIsNone)
{
    EXPECT_EQ(link.co_URL.vn_GetLength(), 0u);
    link.SetWindowPos(nullptr, 0, 0, 150, 20, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(text(link.co_URL), L"Product page");
    EXPECT_TRUE(sameRect(toolRect(link), RECT{0, 0, 150, 20}));
    EXPECT_EQ(tipText(link), L"Product page") << "the tip shows the target taken";

    setURL(link, L"https://www.lexorin.example/");
    link.SetWindowText(L"Another text");
    link.SetWindowPos(nullptr, 0, 0, 90, 16, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(text(link.co_URL), L"https://www.lexorin.example/");
    EXPECT_TRUE(sameRect(toolRect(link), RECT{0, 0, 90, 16}));
}

// Stands between the framework and the system's window contexts, which this
// display never runs out of: the focus then comes and goes without a frame.
TEST_F(HttpLinkInDialog, WithoutAWindowContextTheFocusMovesWithoutAFrame)
{
    const std::vector<COLORREF> before = host.ringAround(IDC_LEFT_LINK);
    const unsigned escaped = testApp().wndProcExceptions;
    {
        NoWindowContexts none;
        ASSERT_TRUE(none.ok());
        link.SetFocus();
        EXPECT_EQ(GetFocus(), link.m_hWnd);
        SetFocus(host.item(IDOK));
    }
    EXPECT_EQ(testApp().wndProcExceptions, escaped);
    EXPECT_EQ(host.ringAround(IDC_LEFT_LINK), before);
}

// Stands between the framework and its allocator, which this machine never
// runs out of: a window text that no memory holds leaves the link without a
// target, and the next resize takes the text.
TEST_F(HttpLinkInDialog, AWindowTextNoMemoryHoldsLeavesNoTargetUntilTheNextResize)
{
    const unsigned escaped = testApp().wndProcExceptions;
    {
        NoFrameworkMemory none;
        ASSERT_TRUE(none.ok());
        link.SetWindowPos(nullptr, 0, 0, 150, 20, SWP_NOMOVE | SWP_NOZORDER);
    }
    EXPECT_EQ(testApp().wndProcExceptions, escaped);
    EXPECT_EQ(link.co_URL.vn_GetLength(), 0u);
    EXPECT_TRUE(sameRect(toolRect(link), RECT{0, 0, 150, 20}));
    link.SetWindowPos(nullptr, 0, 0, 140, 20, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(text(link.co_URL), L"Product page");
}

TEST_F(HttpLinkInDialog, ThePointerOverTheLinkShowsTheTargetAsTip)
{
    setURL(link, L"https://www.lexorin.example/tip");
    SendMessageW(link.co_ToolTip.m_hWnd, TTM_SETDELAYTIME, TTDT_INITIAL, 1);
    RECT rect;
    GetWindowRect(link.m_hWnd, &rect);
    SetCursorPos(rect.left + 3, rect.top + 3);
    bool shown = false;
    for (int i = 0; i < 100 && !shown; ++i) {
        PostMessageW(link.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        pumpMessages();
        Sleep(20);
        pumpMessages();
        shown = IsWindowVisible(link.co_ToolTip.m_hWnd) != FALSE;
    }
    EXPECT_TRUE(shown) << "the relayed moves make the tooltip show";
    wchar_t shownText[256] = {};
    GetWindowTextW(link.co_ToolTip.m_hWnd, shownText, 256);
    EXPECT_STREQ(shownText, L"https://www.lexorin.example/tip");
}

} // namespace
