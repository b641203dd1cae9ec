// The text hyperlink control on real static items of a shown dialog: its
// colours and underline are read back from the screen after real paints, its
// width is compared with the target measured in its font.
#include <afxwin.h>

#include "FrameworkFailures.h"
#include "GdiCounter.h"
#include "LinkTestHost.h"
#include "LinkTestActions.h"
#include "LinkTestIds.h"
#include "OpenTrace.h"
#include "TestApplication.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>

#include <string>

namespace {

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kPurple = RGB(128, 0, 128);

class Probe : public CT_TextHttpLink {
public:
    using CT_TextHttpLink::b_Visited;
    using CT_TextHttpLink::co_Font;
    using CT_TextHttpLink::co_URL;
    using CT_TextHttpLink::n_LinkColour;
    using CT_TextHttpLink::n_VisitedColour;
};

LOGFONTW logFontOf(HGDIOBJ font)
{
    LOGFONTW logFont = {};
    GetObjectW(font, sizeof logFont, &logFont);
    return logFont;
}

// The width of `text` written in `font` (the context's own font when null).
int measure(HFONT font, const std::wstring& text)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (previous)
        SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

// The width of `text` in an underlined copy of the item's font.
int measureAsLink(HWND item, const std::wstring& text)
{
    LOGFONTW logFont = logFontOf(reinterpret_cast<HGDIOBJ>(SendMessageW(item, WM_GETFONT, 0, 0)));
    logFont.lfUnderline = TRUE;
    HFONT font = CreateFontIndirectW(&logFont);
    const int width = measure(font, text);
    DeleteObject(font);
    return width;
}

size_t count(const std::vector<std::vector<COLORREF>>& pixels, COLORREF colour)
{
    size_t n = 0;
    for (const auto& row : pixels)
        for (COLORREF pixel : row)
            n += pixel == colour;
    return n;
}

// The longest horizontal run of one colour: an underline shows as one.
int longestRun(const std::vector<std::vector<COLORREF>>& pixels, COLORREF colour)
{
    int longest = 0;
    for (const auto& row : pixels) {
        int run = 0;
        for (COLORREF pixel : row) {
            run = pixel == colour ? run + 1 : 0;
            longest = run > longest ? run : longest;
        }
    }
    return longest;
}

int width(const RECT& rect)
{
    return rect.right - rect.left;
}

int height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

TEST(TextHttpLinkObject, IsAnHttpLinkOfItsOwnRunTimeClassWithLinkColours)
{
    CRuntimeClass* textClass = RUNTIME_CLASS(CT_TextHttpLink);
    EXPECT_STREQ(textClass->m_lpszClassName, "CT_TextHttpLink");
    EXPECT_EQ(textClass->m_pfnGetBaseClass(), RUNTIME_CLASS(CT_HttpLink));
    Probe link;
    EXPECT_EQ(link.GetRuntimeClass(), textClass);
    EXPECT_EQ(link.n_LinkColour, kBlue);
    EXPECT_EQ(link.n_VisitedColour, kPurple);
    EXPECT_EQ(link.co_Font.m_hObject, nullptr);
    EXPECT_FALSE(link.b_Visited);
}

class TextLinkInDialog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(host.dialog(), nullptr); }

    LinkTestHost host;
    OpenTrace trace;
};

TEST_F(TextLinkInDialog, PlainTextItemsShowTheirTextUnderlinedInBlue)
{
    for (int id : {IDC_LEFT_LINK, IDC_CENTRE_LINK, IDC_RIGHT_LINK}) {
        SCOPED_TRACE(id);
        Probe link;
        ASSERT_TRUE(link.SubclassDlgItem(id, host.window()));
        host.paint();
        ASSERT_NE(link.co_Font.m_hObject, nullptr);
        const auto pixels = host.itemPixels(id);
        EXPECT_GT(count(pixels, kBlue), 20u);
        EXPECT_EQ(count(pixels, GetSysColor(COLOR_BTNTEXT)), 0u) << "no text in the usual colour";
        EXPECT_GE(longestRun(pixels, kBlue), width(clientRect(link.m_hWnd)) - 2) << "underlined along the text";
        link.DestroyWindow();
    }
}

TEST_F(TextLinkInDialog, TheUnderlinedFontIsACopyOfTheItemsFont)
{
    const LOGFONTW itemFont =
        logFontOf(reinterpret_cast<HGDIOBJ>(SendMessageW(host.item(IDC_LEFT_LINK), WM_GETFONT, 0, 0)));
    Probe link;
    ASSERT_TRUE(link.SubclassDlgItem(IDC_LEFT_LINK, host.window()));
    host.paint();
    const LOGFONTW linkFont = logFontOf(link.co_Font.m_hObject);
    EXPECT_EQ(linkFont.lfUnderline, 1);
    EXPECT_STREQ(linkFont.lfFaceName, itemFont.lfFaceName);
    EXPECT_EQ(linkFont.lfHeight, itemFont.lfHeight);
    EXPECT_EQ(linkFont.lfWeight, itemFont.lfWeight);

    const HGDIOBJ made = link.co_Font.m_hObject;
    link.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FONT)), TRUE);
    host.paint();
    EXPECT_EQ(link.co_Font.m_hObject, made) << "made once, whatever the item's font becomes";
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(link.SendMessage(WM_GETFONT)), made) << "and the item keeps drawing in it";
}

TEST_F(TextLinkInDialog, ASuccessfulOpenTurnsTheTextPurpleAndAFailedOneKeepsItBlue)
{
    Probe link;
    ASSERT_TRUE(link.SubclassDlgItem(IDC_LEFT_LINK, host.window()));
    setURL(link, OpenTrace::missingTarget());
    notifyClick(host.dialog(), link.m_hWnd);
    host.paint();
    EXPECT_FALSE(link.b_Visited);
    EXPECT_GT(count(host.itemPixels(IDC_LEFT_LINK), kBlue), 20u);
    EXPECT_EQ(count(host.itemPixels(IDC_LEFT_LINK), kPurple), 0u);

    setURL(link, OpenTrace::target());
    notifyClick(host.dialog(), link.m_hWnd);
    host.paint();
    EXPECT_TRUE(link.b_Visited);
    const auto visited = host.itemPixels(IDC_LEFT_LINK);
    EXPECT_GT(count(visited, kPurple), 20u);
    EXPECT_EQ(count(visited, kBlue), 0u);
    EXPECT_GT(longestRun(visited, kPurple), 20);
    EXPECT_EQ(trace.waitForRuns(1), 1);
}

TEST_F(TextLinkInDialog, AnItemWithSSNoPrefixKeepsTheUsualLookButIsFitted)
{
    Probe link;
    ASSERT_TRUE(link.SubclassDlgItem(IDC_NOPREFIX_LINK, host.window()));
    setURL(link, L"No & prefix");
    host.paint();
    const auto pixels = host.itemPixels(IDC_NOPREFIX_LINK);
    EXPECT_EQ(count(pixels, kBlue), 0u);
    EXPECT_GT(count(pixels, GetSysColor(COLOR_BTNTEXT)), 20u);
    EXPECT_EQ(link.co_Font.m_hObject, nullptr);
    EXPECT_EQ(width(host.itemRect(IDC_NOPREFIX_LINK)), measure(nullptr, L"No & prefix"))
        << "without a link font the target is measured in the context's own font";
}

TEST_F(TextLinkInDialog, TheWidthFollowsTheTargetFromTheLeftEdgeAndTheHeightStays)
{
    for (int id : {IDC_LEFT_LINK, IDC_CENTRE_LINK, IDC_RIGHT_LINK}) {
        SCOPED_TRACE(id);
        const RECT before = host.itemRect(id);
        Probe link;
        ASSERT_TRUE(link.SubclassDlgItem(id, host.window()));
        host.paint();
        const std::wstring wide = L"https://www.lexorin.example/a/longer/page";
        setURL(link, wide);
        host.paint();
        RECT now = host.itemRect(id);
        EXPECT_EQ(width(now), measureAsLink(link.m_hWnd, wide));
        EXPECT_GT(width(now), width(before));
        EXPECT_EQ(now.left, before.left);
        EXPECT_EQ(now.top, before.top);
        EXPECT_EQ(height(now), height(before));

        setURL(link, L"ab");
        host.paint();
        now = host.itemRect(id);
        EXPECT_EQ(width(now), measureAsLink(link.m_hWnd, L"ab"));
        EXPECT_LT(width(now), measureAsLink(link.m_hWnd, L"Product page")) << "a longer caption is cut";
        EXPECT_EQ(now.left, before.left);
        EXPECT_EQ(height(now), height(before));
        link.DestroyWindow();
    }
}

// Stands between the framework and the system's window contexts, which this
// display never runs out of: a target that cannot be measured leaves the
// item its size, whether set or painted.
TEST_F(TextLinkInDialog, WithoutAWindowContextANewTargetKeepsTheSize)
{
    Probe link;
    ASSERT_TRUE(link.SubclassDlgItem(IDC_LEFT_LINK, host.window()));
    host.paint();
    const RECT before = host.itemRect(IDC_LEFT_LINK);
    const unsigned escaped = testApp().wndProcExceptions;
    {
        NoWindowContexts none;
        ASSERT_TRUE(none.ok());
        setURL(link, L"https://www.lexorin.example/a/longer/page");
        host.paint();
    }
    EXPECT_EQ(testApp().wndProcExceptions, escaped);
    EXPECT_EQ(width(host.itemRect(IDC_LEFT_LINK)), width(before));
}

TEST_F(TextLinkInDialog, AnItemWithoutTargetTakesItsTextAndFitsItOnTheFirstPaint)
{
    Probe link;
    ASSERT_TRUE(link.SubclassDlgItem(IDC_LEFT_LINK, host.window()));
    host.paint();
    EXPECT_EQ(std::wstring(link.co_URL.qcuz_Get()), L"Product page");
    EXPECT_EQ(width(host.itemRect(IDC_LEFT_LINK)), measureAsLink(link.m_hWnd, L"Product page"));
}

TEST_F(TextLinkInDialog, AFramedItemKeepsItsHeightOverManyPaints)
{
    const RECT before = host.itemRect(IDC_FRAMED_LINK);
    Probe link;
    ASSERT_TRUE(link.SubclassDlgItem(IDC_FRAMED_LINK, host.window()));
    setURL(link, L"https://www.lexorin.example/");
    for (int i = 0; i < 4; ++i) {
        link.Invalidate();
        host.paint();
    }
    EXPECT_EQ(height(host.itemRect(IDC_FRAMED_LINK)), height(before));
    EXPECT_EQ(width(host.itemRect(IDC_FRAMED_LINK)), measureAsLink(link.m_hWnd, L"https://www.lexorin.example/"));
}

TEST_F(TextLinkInDialog, AnItemWithoutAUsableFontIsUnderlinedInTheDefaultGuiFont)
{
    const LOGFONTW gui = logFontOf(GetStockObject(DEFAULT_GUI_FONT));
    // An item that never got a font, and one whose font was deleted under it.
    HFONT doomed = CreateFontW(-30, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"Courier New");
    for (bool stale : {false, true}) {
        SCOPED_TRACE(stale);
        HWND item = CreateWindowExW(0, L"Static", L"Plain", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 200, 110, 80, 20,
                                    host.dialog(), reinterpret_cast<HMENU>(2000), nullptr, nullptr);
        if (stale) {
            SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(doomed), FALSE);
            DeleteObject(doomed);
        }
        Probe link;
        ASSERT_TRUE(link.SubclassWindow(item));
        host.paint();
        ASSERT_NE(link.co_Font.m_hObject, nullptr);
        const LOGFONTW made = logFontOf(link.co_Font.m_hObject);
        EXPECT_STREQ(made.lfFaceName, gui.lfFaceName);
        EXPECT_EQ(made.lfHeight, gui.lfHeight);
        EXPECT_EQ(made.lfUnderline, 1);
        link.DestroyWindow();
    }
}

// The item draws in the link's font while the link lives; one that outlives
// its link draws in its own font again, not in a deleted one.
TEST_F(TextLinkInDialog, AnItemThatOutlivesItsLinkGetsItsOwnFontBack)
{
    HWND item = host.item(IDC_LEFT_LINK);
    const HGDIOBJ own = reinterpret_cast<HGDIOBJ>(SendMessageW(item, WM_GETFONT, 0, 0));
    ASSERT_NE(own, nullptr);
    {
        Probe link;
        ASSERT_TRUE(link.SubclassDlgItem(IDC_LEFT_LINK, host.window()));
        host.paint();
        ASSERT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(item, WM_GETFONT, 0, 0)), link.co_Font.m_hObject);
        link.UnsubclassWindow();
    }
    ASSERT_TRUE(IsWindow(item));
    const HGDIOBJ after = reinterpret_cast<HGDIOBJ>(SendMessageW(item, WM_GETFONT, 0, 0));
    EXPECT_EQ(after, own);
    EXPECT_EQ(GetObjectType(after), static_cast<DWORD>(OBJ_FONT)) << "a font that still exists";
}

TEST_F(TextLinkInDialog, TheLinkFontGoesWithTheObject)
{
    GdiCounter gdi({L"Dialogs.dll", L"MFC71U.DLL"});
    ASSERT_TRUE(gdi.watching());
    {
        Probe link;
        ASSERT_TRUE(link.SubclassDlgItem(IDC_LEFT_LINK, host.window()));
        setURL(link, L"https://www.lexorin.example/");
        host.paint();
        link.Invalidate();
        host.paint();
        EXPECT_EQ(gdi.liveObjects(), 1u) << "one font, made once";
    }
    EXPECT_EQ(gdi.liveObjects(), 0u);
    EXPECT_EQ(gdi.liveWindowDCs(), 0u);
}

} // namespace
