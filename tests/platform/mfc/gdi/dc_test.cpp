// Device context wrappers: what they own, what selection answers, and which
// of the two contexts each operation uses.
#include "GdiTestSupport.h"

#include <afxdiag.h>

namespace {

// A wrapper whose output and attribute contexts are two 20 x 20 memory
// contexts that the test owns; the wrapper gives both back before it is
// destroyed.
class SplitDC {
public:
    SplitDC()
        : output(CreateCompatibleDC(nullptr)), attribute(CreateCompatibleDC(nullptr)),
          outputSurface(CreateBitmap(20, 20, 1, 1, nullptr)), attributeSurface(CreateBitmap(20, 20, 1, 1, nullptr))
    {
        originalOutput = SelectObject(output, outputSurface);
        originalAttribute = SelectObject(attribute, attributeSurface);
        dc.SetOutputDC(output);
        dc.SetAttribDC(attribute);
    }
    ~SplitDC()
    {
        dc.ReleaseOutputDC();
        dc.ReleaseAttribDC();
        SelectObject(output, originalOutput);
        SelectObject(attribute, originalAttribute);
        DeleteDC(output);
        DeleteDC(attribute);
        DeleteObject(outputSurface);
        DeleteObject(attributeSurface);
    }
    SplitDC(const SplitDC&) = delete;
    SplitDC& operator=(const SplitDC&) = delete;

    HDC output;
    HDC attribute;
    CDC dc;

private:
    HBITMAP outputSurface;
    HBITMAP attributeSurface;
    HGDIOBJ originalOutput;
    HGDIOBJ originalAttribute;
};

CSize extentOn(HDC hDC, LPCTSTR text)
{
    SIZE size = {};
    GetTextExtentPoint32(hDC, text, lstrlen(text), &size);
    return CSize(size);
}

} // namespace

TEST_F(TempMapsCleared, ContextsAreDeletedByTheirOwnerOnly)
{
    HDC owned;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        owned = dc.m_hDC;
        EXPECT_EQ(owned, dc.m_hAttribDC);
        EXPECT_EQ(owned, dc.GetSafeHdc());
        EXPECT_EQ(owned, static_cast<HDC>(dc));
        EXPECT_EQ(&dc, CDC::FromHandle(owned));
        EXPECT_FALSE(dc.CreateCompatibleDC(nullptr));   // already holds one
        EXPECT_EQ(owned, dc.m_hDC);
    }
    EXPECT_EQ(0u, GetObjectType(owned));

    HDC kept = CreateCompatibleDC(nullptr);
    {
        CDC dc;
        ASSERT_TRUE(dc.Attach(kept));
        CDC rival;
        EXPECT_FALSE(rival.Attach(kept));   // two owners would delete it twice
        EXPECT_FALSE(rival.Attach(nullptr));
        EXPECT_EQ(kept, dc.Detach());
        EXPECT_EQ(nullptr, dc.m_hDC);
        EXPECT_EQ(nullptr, dc.m_hAttribDC);
        EXPECT_FALSE(dc.DeleteDC());
    }
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), GetObjectType(kept));

    // A temporary wraps without owning.
    CDC* temp = CDC::FromHandle(kept);
    ASSERT_NE(nullptr, temp);
    EXPECT_EQ(kept, temp->m_hDC);
    EXPECT_EQ(kept, temp->m_hAttribDC);
    ClearTempMapsAtIdle();
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), GetObjectType(kept));

    CDC deleter;
    ASSERT_TRUE(deleter.Attach(kept));
    EXPECT_TRUE(deleter.DeleteDC());
    EXPECT_EQ(0u, GetObjectType(kept));
    EXPECT_EQ(nullptr, CDC::FromHandle(kept));
    EXPECT_EQ(nullptr, CDC::FromHandle(nullptr));
}

TEST_F(TempMapsCleared, DisplayContextsAreMadeAndDeleted)
{
    HDC made;
    {
        CDC display;
        ASSERT_TRUE(display.CreateDC(L"DISPLAY", nullptr, nullptr, nullptr));
        made = display.m_hDC;
        EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), display.GetDeviceCaps(HORZRES));
        EXPECT_FALSE(display.CreateIC(L"DISPLAY", nullptr, nullptr, nullptr));
        CDC information;
        ASSERT_TRUE(information.CreateIC(L"DISPLAY", nullptr, nullptr, nullptr));
        EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), information.GetDeviceCaps(VERTRES));
    }
    EXPECT_EQ(0u, GetObjectType(made));
}

TEST_F(TempMapsCleared, AttachWhileHoldingIsRefused)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HDC other = CreateCompatibleDC(nullptr);
    EXPECT_FALSE(dc.Attach(other));
    EXPECT_NE(other, dc.m_hDC);
    DeleteDC(other);
}

TEST_F(TempMapsCleared, SelectionAnswersWithThePreviousObject)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap first;
    CBitmap second;
    ASSERT_TRUE(first.CreateBitmap(2, 2, 1, 1, nullptr));
    ASSERT_TRUE(second.CreateBitmap(2, 2, 1, 1, nullptr));

    // A fresh memory context holds the system's 1 x 1 bitmap: a temporary.
    CBitmap* original = dc.SelectObject(&first);
    ASSERT_NE(nullptr, original);
    EXPECT_TRUE(original->IsKindOf(RUNTIME_CLASS(CBitmap)));
    BITMAP info = {};
    ASSERT_TRUE(original->GetBitmap(&info));
    EXPECT_EQ(1, info.bmWidth);
    EXPECT_EQ(&first, dc.SelectObject(&second));
    EXPECT_EQ(&second, dc.SelectObject(original));

    CPen pen(PS_SOLID, 1, RGB(1, 2, 3));
    CPen* originalPen = dc.SelectObject(&pen);
    ASSERT_NE(nullptr, originalPen);
    EXPECT_EQ(GetStockObject(BLACK_PEN), originalPen->m_hObject);
    CGdiObject* penBefore = dc.SelectStockObject(WHITE_PEN);
    EXPECT_EQ(&pen, penBefore);
    EXPECT_EQ(GetStockObject(WHITE_PEN), dc.SelectObject(static_cast<HGDIOBJ>(pen.m_hObject)));

    CBrush brush(RGB(4, 5, 6));
    CBrush* originalBrush = dc.SelectObject(&brush);
    ASSERT_NE(nullptr, originalBrush);
    EXPECT_EQ(&brush, dc.SelectObject(static_cast<CGdiObject*>(originalBrush)));

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(80, L"Tahoma"));
    CFont* originalFont = dc.SelectObject(&font);
    ASSERT_NE(nullptr, originalFont);
    EXPECT_EQ(font.m_hObject, GetCurrentObject(dc, OBJ_FONT));
    EXPECT_EQ(&font, dc.SelectObject(originalFont));

    // Nothing to select changes nothing.
    EXPECT_EQ(nullptr, dc.SelectObject(static_cast<CPen*>(nullptr)));
    EXPECT_EQ(nullptr, dc.SelectObject(static_cast<CFont*>(nullptr)));
    EXPECT_EQ(nullptr, dc.SelectObject(static_cast<CGdiObject*>(nullptr)));
    CPen empty;
    EXPECT_EQ(nullptr, dc.SelectObject(&empty));
    EXPECT_EQ(pen.m_hObject, GetCurrentObject(dc, OBJ_PEN));
    dc.SelectObject(originalPen);
    dc.SelectObject(originalBrush);
}

TEST_F(TempMapsCleared, PaletteSelectionAnswersWithThePreviousPalette)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    LOGPALETTE logPalette = {0x300, 1, {{200, 100, 50, 0}}};
    CPalette palette;
    ASSERT_TRUE(palette.CreatePalette(&logPalette));
    CPalette* previous = dc.SelectPalette(&palette, TRUE);
    ASSERT_NE(nullptr, previous);
    EXPECT_EQ(GetStockObject(DEFAULT_PALETTE), previous->m_hObject);
    EXPECT_NE(GDI_ERROR, dc.RealizePalette());
    EXPECT_EQ(&palette, dc.SelectPalette(previous, TRUE));
    EXPECT_EQ(nullptr, dc.SelectPalette(nullptr, TRUE));
    EXPECT_EQ(GetStockObject(DEFAULT_PALETTE), GetCurrentObject(dc, OBJ_PAL));
}

TEST_F(TempMapsCleared, RegionsClipBothContexts)
{
    SplitDC split;
    CRgn region;
    ASSERT_TRUE(region.CreateRectRgn(1, 2, 3, 4));
    EXPECT_EQ(SIMPLEREGION, split.dc.SelectObject(&region));
    RECT box = {};
    EXPECT_EQ(SIMPLEREGION, GetClipBox(split.output, &box));
    EXPECT_EQ(CRect(1, 2, 3, 4), box);
    EXPECT_EQ(SIMPLEREGION, GetClipBox(split.attribute, &box));
    EXPECT_EQ(CRect(1, 2, 3, 4), box);
    // A region selected through the generic overload has no previous object.
    EXPECT_EQ(nullptr, split.dc.SelectObject(static_cast<CGdiObject*>(&region)));
    EXPECT_EQ(static_cast<HGDIOBJ>(region.m_hObject), split.dc.SelectObject(region.m_hObject));
    EXPECT_NE(ERROR, split.dc.SelectClipRgn(nullptr));
    CRect clip;
    EXPECT_NE(ERROR, split.dc.GetClipBox(&clip));
    EXPECT_GT(clip.Width(), 3);
}

TEST_F(TempMapsCleared, SettingsGoToBothContextsAndAreReadFromTheAttributeContext)
{
    SplitDC split;
    CDC& dc = split.dc;
    dc.SetTextColor(RGB(10, 20, 30));
    dc.SetBkColor(RGB(40, 50, 60));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    dc.SetStretchBltMode(COLORONCOLOR);
    dc.SetROP2(R2_XORPEN);
    for (HDC hDC : {split.output, split.attribute}) {
        EXPECT_EQ(RGB(10, 20, 30), GetTextColor(hDC));
        EXPECT_EQ(RGB(40, 50, 60), GetBkColor(hDC));
        EXPECT_EQ(TRANSPARENT, GetBkMode(hDC));
        EXPECT_EQ(static_cast<UINT>(TA_RIGHT | TA_BOTTOM), GetTextAlign(hDC));
        EXPECT_EQ(COLORONCOLOR, GetStretchBltMode(hDC));
        EXPECT_EQ(R2_XORPEN, GetROP2(hDC));
    }
    // The previous value answered is the attribute context's.
    SetTextColor(split.attribute, RGB(1, 1, 1));
    EXPECT_EQ(RGB(1, 1, 1), dc.GetTextColor());
    EXPECT_EQ(RGB(1, 1, 1), dc.SetTextColor(RGB(2, 2, 2)));
    SetBkMode(split.attribute, OPAQUE);
    EXPECT_EQ(OPAQUE, dc.GetBkMode());
    SetBkColor(split.attribute, RGB(3, 3, 3));
    EXPECT_EQ(RGB(3, 3, 3), dc.GetBkColor());
    SetTextAlign(split.attribute, TA_CENTER);
    EXPECT_EQ(static_cast<UINT>(TA_CENTER), dc.GetTextAlign());

    // A font goes into both; a bitmap into the output context only.
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(140, L"Tahoma"));
    CFont* previousFont = dc.SelectObject(&font);
    EXPECT_EQ(font.m_hObject, GetCurrentObject(split.output, OBJ_FONT));
    EXPECT_EQ(font.m_hObject, GetCurrentObject(split.attribute, OBJ_FONT));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(2, 2, 1, 1, nullptr));
    CBitmap* previousBitmap = dc.SelectObject(&bitmap);
    ASSERT_NE(nullptr, previousBitmap);
    EXPECT_EQ(bitmap.m_hObject, GetCurrentObject(split.output, OBJ_BITMAP));
    EXPECT_NE(bitmap.m_hObject, GetCurrentObject(split.attribute, OBJ_BITMAP));
    dc.SelectObject(previousBitmap);
    dc.SelectObject(previousFont);
}

TEST_F(TempMapsCleared, MeasuresComeFromTheAttributeContext)
{
    SplitDC split;
    CFont big;
    CFont small;
    ASSERT_TRUE(CreateCrispFont(big, 40));
    ASSERT_TRUE(CreateCrispFont(small, 10));
    HGDIOBJ outputFont = SelectObject(split.output, small);
    HGDIOBJ attributeFont = SelectObject(split.attribute, big);

    const LPCTSTR text = L"Measure";
    const CSize onAttribute = extentOn(split.attribute, text);
    const CSize onOutput = extentOn(split.output, text);
    ASSERT_GT(onAttribute.cx, onOutput.cx);
    EXPECT_EQ(onAttribute, split.dc.GetTextExtent(text, lstrlen(text)));
    EXPECT_EQ(onAttribute, split.dc.GetTextExtent(CString(text)));
    EXPECT_EQ(onOutput, split.dc.GetOutputTextExtent(text, lstrlen(text)));
    TEXTMETRIC metrics = {};
    ASSERT_TRUE(split.dc.GetTextMetrics(&metrics));
    EXPECT_GE(metrics.tmHeight, 40);
    ASSERT_TRUE(split.dc.GetOutputTextMetrics(&metrics));
    EXPECT_LT(metrics.tmHeight, 20);

    SelectObject(split.output, outputFont);
    SelectObject(split.attribute, attributeFont);
}

TEST_F(TempMapsCleared, DeviceCapabilitiesComeFromTheAttributeContext)
{
    // A metafile context describes itself as a metafile with no pixels.
    HDC metafile = CreateMetaFile(nullptr);
    ASSERT_NE(nullptr, metafile);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    EXPECT_EQ(DT_RASDISPLAY, dc.GetDeviceCaps(TECHNOLOGY));
    const int screenWidth = dc.GetDeviceCaps(HORZRES);
    EXPECT_GT(screenWidth, 0);
    HDC memory = dc.m_hAttribDC;
    dc.SetAttribDC(metafile);
    EXPECT_EQ(DT_METAFILE, dc.GetDeviceCaps(TECHNOLOGY));
    dc.SetAttribDC(memory);
    EXPECT_EQ(screenWidth, dc.GetDeviceCaps(HORZRES));
    DeleteMetaFile(CloseMetaFile(metafile));
}

TEST_F(TempMapsCleared, SavedStatesComeBack)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    dc.SetTextColor(RGB(1, 2, 3));
    const int saved = dc.SaveDC();
    ASSERT_NE(0, saved);
    dc.SetTextColor(RGB(4, 5, 6));
    ASSERT_TRUE(dc.RestoreDC(saved));
    EXPECT_EQ(RGB(1, 2, 3), dc.GetTextColor());

    // Two contexts save together and come back together.
    SplitDC split;
    split.dc.SetBkColor(RGB(7, 7, 7));
    const int both = split.dc.SaveDC();
    EXPECT_EQ(-1, both);
    split.dc.SetBkColor(RGB(8, 8, 8));
    ASSERT_TRUE(split.dc.RestoreDC(both));
    EXPECT_EQ(RGB(7, 7, 7), GetBkColor(split.output));
    EXPECT_EQ(RGB(7, 7, 7), GetBkColor(split.attribute));
}

TEST(DeviceContext, PrintingFlagIsTheCallersToSet)
{
    CDC dc;
    EXPECT_FALSE(dc.IsPrinting());
    AfxDiagSetPrinting(&dc, TRUE);
    EXPECT_TRUE(dc.IsPrinting());
}
