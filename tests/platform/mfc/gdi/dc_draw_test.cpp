// Drawing through CDC, read back pixel by pixel.
#include "GdiTestSupport.h"

namespace {

const COLORREF white = RGB(255, 255, 255);
const COLORREF red = RGB(255, 0, 0);
const COLORREF blue = RGB(0, 0, 255);
const COLORREF green = RGB(0, 128, 0);

} // namespace

TEST_F(TempMapsCleared, TextColourAndBackgroundModeShowInThePixels)
{
    PixelCanvas canvas(120, 40);
    ASSERT_TRUE(canvas.ready());
    CFont font;
    ASSERT_TRUE(CreateCrispFont(font, 24));
    CFont* previous = canvas.dc.SelectObject(&font);

    canvas.dc.SetTextColor(red);
    canvas.dc.SetBkColor(blue);
    canvas.dc.SetBkMode(OPAQUE);
    ASSERT_TRUE(canvas.dc.TextOut(2, 2, L"WM", 2));
    const int opaqueRed = canvas.count(red);
    EXPECT_GT(opaqueRed, 20);
    // The opaque cell around the letters is the background colour.
    EXPECT_GT(canvas.count(blue), 20);

    canvas.dc.FillSolidRect(0, 0, 120, 40, white);
    canvas.dc.SetBkMode(TRANSPARENT);
    ASSERT_TRUE(canvas.dc.TextOut(2, 2, CString(L"WM")));
    EXPECT_EQ(opaqueRed, canvas.count(red));
    EXPECT_EQ(0, canvas.count(blue));

    canvas.dc.SetTextColor(green);
    canvas.dc.FillSolidRect(0, 0, 120, 40, white);
    ASSERT_TRUE(canvas.dc.TextOut(2, 2, L"WM", 2));
    EXPECT_EQ(0, canvas.count(red));
    EXPECT_EQ(opaqueRed, canvas.count(green));
    canvas.dc.SelectObject(previous);
}

TEST_F(TempMapsCleared, FillSolidRectLeavesTheBackgroundColour)
{
    PixelCanvas canvas(10, 10);
    ASSERT_TRUE(canvas.ready());
    canvas.dc.SetBkColor(blue);
    canvas.dc.FillSolidRect(CRect(2, 2, 5, 6), red);
    EXPECT_EQ(12, canvas.count(red));
    EXPECT_EQ(blue, canvas.dc.GetBkColor());
    EXPECT_EQ(red, canvas.at(2, 2));
    EXPECT_EQ(white, canvas.at(5, 6));
}

TEST_F(TempMapsCleared, DrawTextFillsItsRectangleAndNeverWritesTheText)
{
    PixelCanvas canvas(200, 40);
    ASSERT_TRUE(canvas.ready());
    CFont font;
    ASSERT_TRUE(CreateCrispFont(font, 16));
    CFont* previous = canvas.dc.SelectObject(&font);
    canvas.dc.SetTextColor(red);
    canvas.dc.SetBkMode(TRANSPARENT);

    CRect measured(0, 0, 0, 0);
    ASSERT_GT(canvas.dc.DrawText(L"Wide text", -1, &measured, DT_CALCRECT | DT_SINGLELINE), 0);
    EXPECT_EQ(canvas.dc.GetTextExtent(L"Wide text", 9).cx, measured.Width());

    CRect right(100, 0, 200, 40);
    ASSERT_GT(canvas.dc.DrawText(CString(L"Wide text"), &right, DT_SINGLELINE), 0);
    EXPECT_EQ(0, canvas.count(red, CRect(0, 0, 100, 40)));
    EXPECT_GT(canvas.count(red, right), 10);

    // Too narrow for the text: an ellipsis is drawn, the caller's text stays.
    wchar_t text[] = L"A rather long text";
    CRect narrow(0, 0, 40, 20);
    ASSERT_GT(canvas.dc.DrawText(text, -1, &narrow, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING), 0);
    EXPECT_STREQ(L"A rather long text", text);
    canvas.dc.SelectObject(previous);
}

TEST_F(TempMapsCleared, RectanglesBlitsAndFloodFill)
{
    PixelCanvas canvas(20, 20);
    ASSERT_TRUE(canvas.ready());
    CBrush redBrush(red);
    canvas.dc.FillRect(CRect(0, 0, 4, 4), &redBrush);
    EXPECT_EQ(16, canvas.count(red));

    CPen bluePen(PS_SOLID, 1, blue);
    CPen* previousPen = canvas.dc.SelectObject(&bluePen);
    CGdiObject* previousBrush = canvas.dc.SelectStockObject(NULL_BRUSH);
    ASSERT_TRUE(canvas.dc.Rectangle(CRect(10, 10, 15, 15)));
    EXPECT_EQ(16, canvas.count(blue));   // the frame of a 5 x 5 square
    EXPECT_EQ(white, canvas.at(12, 12));

    // The inside of the frame, a white island, takes the brush colour.
    CBrush greenBrush(green);
    canvas.dc.SelectObject(&greenBrush);
    ASSERT_TRUE(canvas.dc.ExtFloodFill(12, 12, blue, FLOODFILLBORDER));
    EXPECT_EQ(9, canvas.count(green));
    EXPECT_EQ(16, canvas.count(blue));

    // Copy the red square beside itself, then stretch it.
    ASSERT_TRUE(canvas.dc.BitBlt(4, 0, 4, 4, &canvas.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(32, canvas.count(red));
    ASSERT_TRUE(canvas.dc.StretchBlt(0, 16, 8, 4, &canvas.dc, 0, 0, 4, 4, SRCCOPY));
    EXPECT_EQ(64, canvas.count(red));
    // A raster operation without a source takes no source context.
    ASSERT_TRUE(canvas.dc.BitBlt(0, 0, 8, 4, nullptr, 0, 0, WHITENESS));
    EXPECT_EQ(32, canvas.count(red));

    EXPECT_EQ(red, canvas.dc.SetPixel(CPoint(19, 0), red));   // the colour set
    EXPECT_EQ(red, canvas.dc.GetPixel(CPoint(19, 0)));
    canvas.dc.SelectObject(previousPen);
    canvas.dc.SelectObject(previousBrush);
}

TEST_F(TempMapsCleared, FocusRectangleDrawnTwiceLeavesNoTrace)
{
    PixelCanvas canvas(20, 20);
    ASSERT_TRUE(canvas.ready());
    CRect focus(2, 2, 18, 18);
    canvas.dc.DrawFocusRect(focus);
    EXPECT_LT(canvas.count(white), 400);
    canvas.dc.DrawFocusRect(focus);
    EXPECT_EQ(400, canvas.count(white));
    canvas.dc.InvertRect(CRect(0, 0, 2, 2));
    EXPECT_EQ(4, canvas.count(RGB(0, 0, 0)));
}

TEST_F(TempMapsCleared, LinesKeepTheCurrentPosition)
{
    PixelCanvas canvas(10, 10);
    ASSERT_TRUE(canvas.ready());
    CPen redPen(PS_SOLID, 1, red);
    CPen* previous = canvas.dc.SelectObject(&redPen);
    EXPECT_EQ(CPoint(0, 0), canvas.dc.MoveTo(1, 5));
    ASSERT_TRUE(canvas.dc.LineTo(CPoint(6, 5)));
    EXPECT_EQ(5, canvas.count(red));
    EXPECT_EQ(CPoint(6, 5), canvas.dc.MoveTo(0, 0));
    canvas.dc.SelectObject(previous);
}

TEST_F(TempMapsCleared, BadArgumentsAreRefusedQuietly)
{
    PixelCanvas canvas(10, 10);
    ASSERT_TRUE(canvas.ready());
    CDC& dc = canvas.dc;
    EXPECT_FALSE(dc.TextOut(0, 0, nullptr, 3));
    EXPECT_FALSE(dc.TextOut(0, 0, L"abc", -1));
    EXPECT_FALSE(dc.ExtTextOut(0, 0, 0, nullptr, nullptr, 2, nullptr));
    CRect rect(0, 0, 10, 10);
    EXPECT_EQ(0, dc.DrawText(nullptr, 3, &rect, 0));
    EXPECT_EQ(0, dc.DrawText(L"abc", 3, nullptr, 0));
    EXPECT_EQ(CSize(0, 0), dc.GetTextExtent(nullptr, 4));
    EXPECT_EQ(CSize(0, 0), dc.GetTextExtent(L"abc", -2));
    EXPECT_FALSE(dc.GetTextMetrics(nullptr));
    dc.FillRect(&rect, nullptr);
    CBrush empty;
    dc.FillRect(&rect, &empty);
    dc.FrameRect(nullptr, &empty);
    dc.FillSolidRect(nullptr, RGB(0, 0, 0));
    dc.DrawFocusRect(nullptr);
    EXPECT_FALSE(dc.Rectangle(nullptr));
    EXPECT_FALSE(dc.DPtoLP(nullptr));
    EXPECT_EQ(ERROR, dc.GetClipBox(nullptr));
    EXPECT_EQ(100, canvas.count(RGB(255, 255, 255)));
}

TEST_F(TempMapsCleared, AnEmptyWrapperDrawsNothingAndFailsEverything)
{
    CDC dc;
    CRect rect(0, 0, 4, 4);
    EXPECT_FALSE(dc.TextOut(0, 0, L"x", 1));
    EXPECT_EQ(0, dc.DrawText(L"x", 1, &rect, 0));
    EXPECT_EQ(CSize(0, 0), dc.GetTextExtent(L"x", 1));
    EXPECT_EQ(CLR_INVALID, dc.SetTextColor(RGB(1, 1, 1)));
    EXPECT_EQ(CLR_INVALID, dc.GetPixel(0, 0));
    EXPECT_EQ(CLR_INVALID, dc.SetPixel(0, 0, 0));
    EXPECT_EQ(0, dc.SetBkMode(OPAQUE));
    EXPECT_EQ(0, dc.GetDeviceCaps(HORZRES));
    EXPECT_FALSE(dc.BitBlt(0, 0, 1, 1, nullptr, 0, 0, WHITENESS));
    EXPECT_FALSE(dc.ExtFloodFill(0, 0, 0, FLOODFILLSURFACE));
    EXPECT_EQ(0, dc.SaveDC());
    EXPECT_FALSE(dc.RestoreDC(-1));
    EXPECT_EQ(GDI_ERROR, dc.RealizePalette());
    CPen pen(PS_SOLID, 1, 0);
    EXPECT_EQ(nullptr, dc.SelectObject(&pen));
    EXPECT_EQ(nullptr, dc.SelectStockObject(BLACK_PEN));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(1, 1, 1, 1, nullptr));
    EXPECT_EQ(nullptr, dc.SelectObject(&bitmap));
    dc.FillSolidRect(&rect, 0);
    dc.FillRect(&rect, CBrush::FromHandle(static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_FALSE(dc.DeleteDC());
    EXPECT_EQ(nullptr, dc.Detach());
    CDC* volatile missing = nullptr;
    EXPECT_EQ(nullptr, missing->GetSafeHdc());
}
