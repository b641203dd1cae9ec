// The transparent bitmap control on a real host window: what it paints is
// read back from the screen and compared with the picture as the system
// loads it, for the library's bulb, a picture of the test program's own and
// an identifier that no module has.
#include <afxwin.h>

#include "BitmapTestIds.h"
#include "DAZ32.h"
#include "FrameworkFailures.h"
#include "GdiCounter.h"
#include "TestApplication.h"

#include <Dialogs/Dialogs.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
// What the host paints behind its children; no picture here has it.
const COLORREF kHostColour = RGB(0x20, 0x90, 0x40);
const UINT kBulb = 2006;
const UINT kNowhere = 4093;
const int kItem = 100;
const int kItemWidth = 64, kItemHeight = 56;

// A bitmap's pixels as the system loads it for the screen.
struct Picture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const { return pixels[y * width + x]; }
};

Picture loadPicture(HINSTANCE module, UINT id)
{
    Picture picture;
    HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(id));
    BITMAP info = {};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) {
        if (bitmap)
            DeleteObject(bitmap);
        return picture;
    }
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    picture.width = info.bmWidth;
    picture.height = info.bmHeight;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.pixels.push_back(GetPixel(memory, x, y));
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return picture;
}

// The white pixels that a surface fill from the top-left pixel reaches:
// white neighbours left, right, above and below, one after another.
std::vector<bool> outerWhite(const Picture& picture)
{
    std::vector<bool> reached(picture.pixels.size(), false);
    if (picture.pixels.empty() || picture.at(0, 0) != kWhite)
        return reached;
    std::vector<std::pair<int, int>> pending = {{0, 0}};
    reached[0] = true;
    while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        const std::pair<int, int> neighbours[] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (const auto& [nx, ny] : neighbours) {
            if (nx < 0 || ny < 0 || nx >= picture.width || ny >= picture.height)
                continue;
            const size_t index = ny * picture.width + nx;
            if (!reached[index] && picture.at(nx, ny) == kWhite) {
                reached[index] = true;
                pending.push_back({nx, ny});
            }
        }
    }
    return reached;
}

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(window, &client);
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, kHostColour);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A host window with one static item that has text of its own, the control
// attached to it; the screen shows both.
class TransparentBitmapControl : public ::testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = hostProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TransparentBitmapHost";
        RegisterClassW(&windowClass);
        host_ = CreateWindowExW(0, windowClass.lpszClassName, L"Transparent bitmap host",
                                WS_POPUP | WS_VISIBLE, 40, 40, 200, 160, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
        ASSERT_NE(host_, nullptr);
        item_ = CreateWindowExW(0, L"STATIC", L"Item text that must never show", WS_CHILD | WS_VISIBLE | SS_LEFT,
                                8, 8, kItemWidth, kItemHeight, host_, reinterpret_cast<HMENU>(kItem),
                                windowClass.hInstance, nullptr);
        ASSERT_NE(item_, nullptr);
        bulb_ = loadPicture(GetModuleHandleW(L"Dialogs.dll"), kBulb);
        ASSERT_EQ(bulb_.width, 28);
        ASSERT_EQ(bulb_.height, 39);
    }
    void TearDown() override
    {
        if (host_)
            DestroyWindow(host_);
        CWnd::DeleteTempMap();
    }

    // Everything painted afresh: the host's background first, then the item.
    void repaint() const
    {
        RedrawWindow(host_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    // The item's client area as the screen shows it.
    Picture screen() const
    {
        Picture shown;
        RECT client;
        GetClientRect(item_, &client);
        shown.width = client.right;
        shown.height = client.bottom;
        HDC dc = GetDC(item_);
        for (int y = 0; y < shown.height; ++y)
            for (int x = 0; x < shown.width; ++x)
                shown.pixels.push_back(GetPixel(dc, x, y));
        ReleaseDC(item_, dc);
        return shown;
    }
    // Expects `picture` in the item's top-left corner with its outer white
    // in `shadow`, and the host's colour around it.
    void expectShown(const Picture& picture, COLORREF shadow) const
    {
        const Picture shown = screen();
        const std::vector<bool> outer = outerWhite(picture);
        int mismatches = 0;
        for (int y = 0; y < shown.height; ++y) {
            for (int x = 0; x < shown.width; ++x) {
                COLORREF expected = kHostColour;
                if (x < picture.width && y < picture.height)
                    expected = outer[y * picture.width + x] ? shadow : picture.at(x, y);
                if (shown.at(x, y) != expected && ++mismatches <= 5)
                    ADD_FAILURE() << "at " << x << "," << y << std::hex << ": shown " << shown.at(x, y)
                                  << ", expected " << expected;
            }
        }
        EXPECT_EQ(mismatches, 0);
    }

    HWND host_ = nullptr;
    HWND item_ = nullptr;
    Picture bulb_;
};

// Sets one system colour for the test's span.
class SystemColour {
public:
    SystemColour(int index, COLORREF colour) : index_(index), saved_(GetSysColor(index))
    {
        SetSysColors(1, &index_, &colour);
    }
    ~SystemColour() { SetSysColors(1, &index_, &saved_); }
    SystemColour(const SystemColour&) = delete;
    SystemColour& operator=(const SystemColour&) = delete;

private:
    int index_;
    COLORREF saved_;
};

TEST_F(TransparentBitmapControl, TheBulbsOuterWhiteTakesTheShadowColourAndItsEnclosedWhiteStays)
{
    CT_TransparentBitmap control(kBulb);
    ASSERT_TRUE(control.SubclassDlgItem(kItem, CWnd::FromHandle(host_)));
    repaint();
    expectShown(bulb_, GetSysColor(COLOR_BTNSHADOW));

    // Both kinds of white are there to tell apart.
    const std::vector<bool> outer = outerWhite(bulb_);
    int enclosed = 0, background = 0;
    for (size_t i = 0; i < outer.size(); ++i) {
        background += outer[i];
        enclosed += !outer[i] && bulb_.pixels[i] == kWhite;
    }
    EXPECT_GT(background, 28 * 39 / 3);
    EXPECT_GT(enclosed, 4) << "white inside the glass and the diamond";
}

TEST_F(TransparentBitmapControl, APictureWhoseCornerIsNotPureWhiteIsShownUnchanged)
{
    const Picture own = loadPicture(GetModuleHandleW(nullptr), IDB_NEAR_WHITE_CORNER);
    ASSERT_EQ(own.width, 12);
    ASSERT_EQ(own.at(0, 0), RGB(254, 254, 254));
    ASSERT_EQ(own.at(1, 0), kWhite);

    CT_TransparentBitmap control(IDB_NEAR_WHITE_CORNER);
    ASSERT_TRUE(control.SubclassWindow(item_));
    repaint();
    expectShown(own, GetSysColor(COLOR_BTNSHADOW));
    const Picture shown = screen();
    EXPECT_EQ(shown.at(1, 0), kWhite);
    EXPECT_EQ(shown.at(11, 9), kWhite);
}

TEST_F(TransparentBitmapControl, TheNextPaintFollowsAChangeOfTheSystemColours)
{
    CT_TransparentBitmap control(kBulb);
    ASSERT_TRUE(control.SubclassWindow(item_));
    repaint();
    const COLORREF before = GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(screen().at(0, 0), before);
    {
        const COLORREF changed = RGB(0xC8, 0x28, 0x5A);
        ASSERT_NE(changed, before);
        SystemColour shadow(COLOR_BTNSHADOW, changed);
        ASSERT_EQ(GetSysColor(COLOR_BTNSHADOW), changed);
        repaint();
        expectShown(bulb_, changed);
    }
    repaint();
    EXPECT_EQ(screen().at(0, 0), before);
}

TEST_F(TransparentBitmapControl, ANewIdentifierTakesEffectAtTheNextPaint)
{
    CT_TransparentBitmap control(kBulb);
    ASSERT_TRUE(control.SubclassWindow(item_));
    repaint();

    control.v_SetBitmapID(IDB_NEAR_WHITE_CORNER);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(item_, &update, FALSE)) << "nothing is invalidated";
    expectShown(bulb_, GetSysColor(COLOR_BTNSHADOW));

    repaint();
    expectShown(loadPicture(GetModuleHandleW(nullptr), IDB_NEAR_WHITE_CORNER), GetSysColor(COLOR_BTNSHADOW));

    // Only the low 16 bits name the resource.
    control.v_SetBitmapID(0x10000 | kBulb);
    repaint();
    expectShown(bulb_, GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(TransparentBitmapControl, AControlSmallerThanThePictureShowsItsTopLeftPart)
{
    SetWindowPos(item_, nullptr, 0, 0, 20, 16, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CT_TransparentBitmap control(kBulb);
    ASSERT_TRUE(control.SubclassWindow(item_));
    repaint();
    const Picture shown = screen();
    ASSERT_EQ(shown.width, 20);
    ASSERT_EQ(shown.height, 16);
    const std::vector<bool> outer = outerWhite(bulb_);
    int mismatches = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x)
            mismatches += shown.at(x, y) != (outer[y * 28 + x] ? GetSysColor(COLOR_BTNSHADOW) : bulb_.at(x, y));
    EXPECT_EQ(mismatches, 0);

    // Nothing is drawn past the control's edge.
    HDC dc = GetDC(host_);
    EXPECT_EQ(GetPixel(dc, 8 + 20, 8), kHostColour);
    EXPECT_EQ(GetPixel(dc, 8, 8 + 16), kHostColour);
    ReleaseDC(host_, dc);
}

TEST_F(TransparentBitmapControl, ABitmapNoModuleHasPaintsNothing)
{
    CT_TransparentBitmap control(kNowhere);
    ASSERT_TRUE(control.SubclassWindow(item_));
    repaint();
    const Picture shown = screen();
    int painted = 0;
    for (COLORREF pixel : shown.pixels)
        painted += pixel != kHostColour;
    EXPECT_EQ(painted, 0) << "neither a picture nor the item's text";
    RECT update;
    EXPECT_FALSE(GetUpdateRect(item_, &update, FALSE)) << "the paint was ended";
}

TEST_F(TransparentBitmapControl, EveryPaintGivesBackWhatItTook)
{
    CT_TransparentBitmap control(kBulb);
    ASSERT_TRUE(control.SubclassWindow(item_));
    const long blocks = DAZ_GetLiveBlockCount();
    GdiCounter counter({L"Dialogs.dll", L"MFC71U.DLL"});
    ASSERT_TRUE(counter.watching());
    for (UINT id : {kBulb, kNowhere, static_cast<UINT>(IDB_NEAR_WHITE_CORNER), kBulb}) {
        control.v_SetBitmapID(id);
        repaint();
    }
    EXPECT_GE(counter.created(), 9u) << "a brush, a bitmap and a memory context for each picture shown";
    EXPECT_EQ(counter.liveObjects(), 0u);
    EXPECT_EQ(counter.liveWindowDCs(), 0u);
    EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks);
}

// Stands between the framework and the system's window contexts, which this
// display never runs out of: the control then paints nothing, ends the
// paint, and keeps the failure to itself.
TEST_F(TransparentBitmapControl, WithoutAPaintContextThePaintIsEndedAndNothingIsTaken)
{
    CT_TransparentBitmap control(kBulb);
    ASSERT_TRUE(control.SubclassWindow(item_));
    repaint();
    const unsigned escaped = testApp().wndProcExceptions;
    GdiCounter counter({L"Dialogs.dll", L"MFC71U.DLL"});
    {
        NoWindowContexts none;
        ASSERT_TRUE(none.ok());
        InvalidateRect(item_, nullptr, FALSE);
        UpdateWindow(item_);
        EXPECT_FALSE(GetUpdateRect(item_, nullptr, FALSE)) << "the paint was ended";
    }
    EXPECT_EQ(testApp().wndProcExceptions, escaped);
    EXPECT_EQ(counter.created(), 0u);
}

TEST(TransparentBitmapClass, AnswersWithTheStaticControlsRunTimeClass)
{
    CT_TransparentBitmap control(kBulb);
    EXPECT_EQ(control.GetRuntimeClass(), RUNTIME_CLASS(CStatic));
    EXPECT_TRUE(control.IsKindOf(RUNTIME_CLASS(CWnd)));
}

} // namespace
