// Ownership of GDI handles by their wrappers: what each wrapper deletes,
// what it never deletes, and the wrappers that FromHandle answers with.
#include "GdiTestSupport.h"

#include <functional>
#include <vector>
#include <afxdiag.h>

namespace {

struct Maker {
    const char* name;
    std::function<CGdiObject*()> make;   // a new wrapper owning a new object
};

std::vector<Maker> makers()
{
    return {
        {"pen", [] { return new CPen(PS_SOLID, 2, RGB(1, 2, 3)); }},
        {"brush", [] { return new CBrush(RGB(4, 5, 6)); }},
        {"font", [] {
             CFont* font = new CFont;
             font->CreatePointFont(90, L"Tahoma");
             return font;
         }},
        {"bitmap", [] {
             CBitmap* bitmap = new CBitmap;
             bitmap->CreateBitmap(4, 4, 1, 1, nullptr);
             return bitmap;
         }},
        {"palette", [] {
             LOGPALETTE logPalette = {0x300, 1, {{10, 20, 30, 0}}};
             CPalette* palette = new CPalette;
             palette->CreatePalette(&logPalette);
             return palette;
         }},
        {"region", [] {
             CRgn* region = new CRgn;
             region->CreateRectRgn(0, 0, 5, 5);
             return region;
         }},
    };
}

} // namespace

TEST_F(TempMapsCleared, EveryWrapperDeletesWhatItOwns)
{
    for (const Maker& maker : makers()) {
        CGdiObject* wrapper = maker.make();
        ASSERT_NE(nullptr, wrapper) << maker.name;
        HGDIOBJ handle = wrapper->m_hObject;
        ASSERT_TRUE(IsLiveObject(handle)) << maker.name;
        EXPECT_EQ(GetObjectType(handle), wrapper->GetObjectType()) << maker.name;
        delete wrapper;
        EXPECT_FALSE(IsLiveObject(handle)) << maker.name;
    }
}

TEST_F(TempMapsCleared, DetachedHandlesLiveOn)
{
    for (const Maker& maker : makers()) {
        CGdiObject* wrapper = maker.make();
        ASSERT_NE(nullptr, wrapper);
        HGDIOBJ handle = wrapper->Detach();
        EXPECT_EQ(nullptr, wrapper->m_hObject);
        EXPECT_FALSE(wrapper->DeleteObject()) << maker.name;
        delete wrapper;
        EXPECT_TRUE(IsLiveObject(handle)) << maker.name;
        // An attached handle is owned again.
        CGdiObject owner;
        ASSERT_TRUE(owner.Attach(handle));
        EXPECT_TRUE(owner.DeleteObject());
        EXPECT_FALSE(IsLiveObject(handle)) << maker.name;
    }
}

TEST_F(TempMapsCleared, AttachRefusesSecondHandleNullAndOwnedHandles)
{
    CBrush first(RGB(1, 1, 1));
    HGDIOBJ kept = first.m_hObject;
    HBRUSH other = CreateSolidBrush(RGB(2, 2, 2));
    EXPECT_FALSE(first.Attach(other));
    EXPECT_EQ(kept, first.m_hObject);

    CBrush empty;
    EXPECT_FALSE(empty.Attach(nullptr));
    // Two owners would delete the brush twice.
    EXPECT_FALSE(empty.Attach(kept));
    EXPECT_EQ(nullptr, empty.m_hObject);
    EXPECT_TRUE(empty.Attach(other));
}

TEST_F(TempMapsCleared, CreateOnAHoldingWrapperKeepsTheFirstObject)
{
    CBrush brush(RGB(10, 20, 30));
    HGDIOBJ kept = brush.m_hObject;
    EXPECT_FALSE(brush.CreateSolidBrush(RGB(40, 50, 60)));
    EXPECT_FALSE(brush.CreateSysColorBrush(COLOR_WINDOW));
    EXPECT_EQ(kept, brush.m_hObject);
    LOGBRUSH logBrush = {};
    ASSERT_EQ(static_cast<int>(sizeof(logBrush)), brush.GetLogBrush(&logBrush));
    EXPECT_EQ(RGB(10, 20, 30), logBrush.lbColor);
}

TEST_F(TempMapsCleared, StockObjectsAndSystemBrushesAreNeverDeleted)
{
    HGDIOBJ stockBrush = GetStockObject(BLACK_BRUSH);
    HGDIOBJ stockFont = GetStockObject(DEFAULT_GUI_FONT);
    HBRUSH shadowBrush = GetSysColorBrush(COLOR_BTNSHADOW);
    {
        CBrush stock;
        ASSERT_TRUE(stock.CreateStockObject(BLACK_BRUSH));
        // Any number of wrappers may hold a stock object.
        CGdiObject again;
        ASSERT_TRUE(again.CreateStockObject(BLACK_BRUSH));
        CGdiObject font;
        ASSERT_TRUE(font.Attach(stockFont));
        CBrush system;
        ASSERT_TRUE(system.CreateSysColorBrush(COLOR_BTNSHADOW));
        EXPECT_EQ(shadowBrush, system.m_hObject);
        EXPECT_TRUE(again.DeleteObject());
        EXPECT_EQ(nullptr, again.m_hObject);
    }
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(stockBrush));
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(stockFont));
    LOGBRUSH logBrush = {};
    ASSERT_EQ(static_cast<int>(sizeof(logBrush)), GetObject(shadowBrush, sizeof(logBrush), &logBrush));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), logBrush.lbColor);
}

TEST_F(TempMapsCleared, FromHandleAnswersWithTheOwner)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, L"Tahoma"));
    EXPECT_EQ(&font, CFont::FromHandle(font));
    EXPECT_EQ(&font, CGdiObject::FromHandle(font.m_hObject));
    EXPECT_EQ(0, AfxDiagGetTempGdiCount());

    // Once detached, the handle gets a temporary that owns nothing.
    HFONT hFont = static_cast<HFONT>(font.Detach());
    CFont* temp = CFont::FromHandle(hFont);
    ASSERT_NE(nullptr, temp);
    EXPECT_NE(&font, temp);
    EXPECT_EQ(hFont, temp->m_hObject);
    EXPECT_EQ(1, AfxDiagGetTempGdiCount());
    ClearTempMapsAtIdle();
    EXPECT_EQ(0, AfxDiagGetTempGdiCount());
    EXPECT_TRUE(IsLiveObject(hFont));
    DeleteObject(hFont);
}

TEST_F(TempMapsCleared, TemporariesHaveTheClassOfTheirObject)
{
    HBRUSH hBrush = CreateSolidBrush(RGB(7, 8, 9));
    HPEN hPen = CreatePen(PS_SOLID, 1, RGB(7, 8, 9));
    CGdiObject* brush = CGdiObject::FromHandle(hBrush);
    CGdiObject* pen = CGdiObject::FromHandle(hPen);
    ASSERT_NE(nullptr, brush);
    ASSERT_NE(nullptr, pen);
    EXPECT_TRUE(brush->IsKindOf(RUNTIME_CLASS(CBrush)));
    EXPECT_TRUE(pen->IsKindOf(RUNTIME_CLASS(CPen)));
    // The same handle, the same temporary, until the maps are cleared.
    EXPECT_EQ(brush, CBrush::FromHandle(hBrush));
    EXPECT_EQ(brush, CGdiObject::FromHandle(hBrush));
    EXPECT_EQ(2, AfxDiagGetTempGdiCount());

    // A wrapper attached meanwhile takes precedence over the temporary.
    CBrush owner;
    ASSERT_TRUE(owner.Attach(hBrush));
    EXPECT_EQ(&owner, CBrush::FromHandle(hBrush));

    ClearTempMapsAtIdle();
    EXPECT_EQ(0, AfxDiagGetTempGdiCount());
    EXPECT_TRUE(IsLiveObject(hBrush));
    EXPECT_TRUE(IsLiveObject(hPen));
    DeleteObject(hPen);
}

TEST_F(TempMapsCleared, FromHandleRefusesNullAndDeletedHandles)
{
    EXPECT_EQ(nullptr, CGdiObject::FromHandle(nullptr));
    HBRUSH gone = CreateSolidBrush(RGB(1, 1, 1));
    DeleteObject(gone);
    EXPECT_EQ(nullptr, CBrush::FromHandle(gone));
    EXPECT_EQ(0, AfxDiagGetTempGdiCount());
}

TEST_F(TempMapsCleared, GetObjectOnEmptyWrappersGivesNothing)
{
    CPen pen;
    LOGPEN logPen = {};
    EXPECT_EQ(0, pen.GetLogPen(&logPen));
    EXPECT_EQ(0, pen.GetObject(sizeof(logPen), &logPen));
    EXPECT_EQ(0u, pen.GetObjectType());
    EXPECT_FALSE(pen.DeleteObject());
    EXPECT_FALSE(pen.UnrealizeObject());
    CPen made(PS_DASH, 1, RGB(9, 8, 7));
    EXPECT_EQ(0, made.GetLogPen(nullptr));
    ASSERT_EQ(static_cast<int>(sizeof(logPen)), made.GetLogPen(&logPen));
    EXPECT_EQ(static_cast<UINT>(PS_DASH), logPen.lopnStyle);
    EXPECT_EQ(RGB(9, 8, 7), logPen.lopnColor);
    // Asking for the size of the object's record needs no buffer.
    EXPECT_EQ(static_cast<int>(sizeof(LOGPEN)), made.GetObject(0, nullptr));
    EXPECT_EQ(made.m_hObject, made.GetSafeHandle());
    // Callers ask a wrapper that may be missing for its handle.
    CGdiObject* volatile missing = nullptr;
    EXPECT_EQ(nullptr, missing->GetSafeHandle());
}

TEST_F(TempMapsCleared, NullDescriptionsAreRefused)
{
    CPen pen;
    EXPECT_FALSE(pen.CreatePenIndirect(nullptr));
    CBrush brush;
    EXPECT_FALSE(brush.CreateBrushIndirect(nullptr));
    EXPECT_FALSE(brush.CreatePatternBrush(nullptr));
    CBitmap empty;
    EXPECT_FALSE(brush.CreatePatternBrush(&empty));
    CFont font;
    EXPECT_FALSE(font.CreateFontIndirect(nullptr));
    EXPECT_FALSE(font.CreatePointFontIndirect(nullptr));
    CBitmap bitmap;
    EXPECT_FALSE(bitmap.CreateBitmapIndirect(nullptr));
    EXPECT_FALSE(bitmap.CreateCompatibleBitmap(nullptr, 4, 4));
    EXPECT_FALSE(bitmap.LoadBitmap(static_cast<LPCTSTR>(nullptr)));
    CPalette palette;
    EXPECT_FALSE(palette.CreatePalette(nullptr));
    EXPECT_FALSE(palette.CreateHalftonePalette(nullptr));
    CRgn region;
    EXPECT_FALSE(region.CreateRectRgnIndirect(nullptr));
    for (CGdiObject* wrapper : std::vector<CGdiObject*>{&pen, &brush, &font, &bitmap, &palette, &region})
        EXPECT_EQ(nullptr, wrapper->m_hObject);
}
