// The DIB bitmap object as the About dialog and the splash window use it:
// pictures read from real modules, their palettes, and what they draw into
// memory contexts, read back pixel by pixel.
#include "DAZ32.h"
#include "DibTestSupport.h"
#include "FrameworkFailures.h"
#include "GdiCounter.h"
#include "ImportPatch.h"
#include "TestApplication.h"

#include <Dialogs/Dialogs.h>
#include <afxdiag.h>
#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

const unsigned kLogo = 1007;

HINSTANCE libraryModule()
{
    return CT_DialogsDLLMain::sh_GetInstance();
}

// The object's DIB block, locked while the view lives.
class LockedDIB {
public:
    explicit LockedDIB(HDIB hDIB) : hDIB_(hDIB), bytes_(hDIB ? static_cast<BYTE*>(GlobalLock(hDIB)) : nullptr) {}
    ~LockedDIB()
    {
        if (bytes_)
            GlobalUnlock(hDIB_);
    }
    BYTE* get() const { return bytes_; }

private:
    HDIB hDIB_;
    BYTE* bytes_;
};

class BigBitmapTest : public ::testing::Test {
protected:
    void SetUp() override { blocks_ = DAZ_GetLiveBlockCount(); }
    void TearDown() override { EXPECT_EQ(DAZ_GetLiveBlockCount(), blocks_) << "library heap blocks left"; }

    PictureModule pictures;

private:
    long blocks_ = 0;
};

TEST_F(BigBitmapTest, TheLibrarysLogoIsReadWithItsSixteenColourPalette)
{
    CT_BigBitmap logo(nullptr, libraryModule(), kLogo, nullptr);
    EXPECT_EQ(logo.n_GetWidth(), 200u);
    EXPECT_EQ(logo.n_GetHeight(), 42u);
    EXPECT_EQ(logo.pco_GetDocSize(), CSize(200, 42));
    ASSERT_TRUE(logo.h_GetHDIB());
    EXPECT_EQ(GlobalSize(logo.h_GetHDIB()), 4304u);

    LockedDIB dib(logo.h_GetHDIB());
    ASSERT_TRUE(dib.get());
    EXPECT_EQ(memcmp(dib.get(), resourceBytes(libraryModule(), kLogo).data(), 4304), 0);
    EXPECT_EQ(logo.n_DIBWidth(dib.get()), 200u);
    EXPECT_EQ(logo.n_DIBHeight(dib.get()), 42u);
    EXPECT_EQ(logo.n_DIBNumColors(dib.get()), 16u);
    EXPECT_EQ(logo.n_PaletteSize(dib.get()), 64u);
    EXPECT_EQ(logo.pv_FindDIBBits(dib.get()), dib.get() + 104);

    ASSERT_TRUE(logo.pco_GetDocPalette());
    ASSERT_EQ(logo.pco_GetDocPalette()->GetEntryCount(), 16);
    PALETTEENTRY entries[16] = {};
    logo.pco_GetDocPalette()->GetPaletteEntries(0, 16, entries);
    for (int i = 0; i < 16; ++i) {
        const BYTE* quad = dib.get() + 40 + 4 * i;
        EXPECT_EQ(entries[i].peRed, quad[2]) << "entry " << i;
        EXPECT_EQ(entries[i].peGreen, quad[1]) << "entry " << i;
        EXPECT_EQ(entries[i].peBlue, quad[0]) << "entry " << i;
        EXPECT_EQ(entries[i].peFlags, 0);
    }
    // The plain palette object is made for each picture and left empty.
    ASSERT_TRUE(logo.pco_GetPalette());
    EXPECT_EQ(logo.pco_GetPalette()->m_hObject, nullptr);
}

TEST_F(BigBitmapTest, ReadingAPictureShowsTheApplicationsWaitCursor)
{
    testApp().waitCursorCalls.clear();
    CT_BigBitmap logo(nullptr, libraryModule(), kLogo, nullptr);
    EXPECT_EQ(testApp().waitCursorCalls, (std::vector<int>{1, -1}));
}

TEST_F(BigBitmapTest, ATwentyFourBitPictureHasNoTableAndNoPaletteAndIsDrawnAsStored)
{
    CT_BigBitmap picture(nullptr, pictures.handle(), DIB_RGB24, nullptr);
    ASSERT_TRUE(picture.h_GetHDIB());
    LockedDIB dib(picture.h_GetHDIB());
    EXPECT_EQ(picture.n_DIBNumColors(dib.get()), 0u);
    EXPECT_EQ(picture.n_PaletteSize(dib.get()), 0u);
    EXPECT_EQ(picture.pv_FindDIBBits(dib.get()), dib.get() + 40);
    EXPECT_EQ(picture.pco_GetDocPalette(), nullptr);

    DibCanvas canvas(8, 8);
    picture.OnDraw(&canvas.dc);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(canvas.at(x, y), RGB(40 * x, 100 * y, 200)) << x << "," << y;
    EXPECT_EQ(canvas.painted(), 15);
}

// Colours used 300 at 8 bits, a 12-byte header with 16-bit fields and
// 3-byte entries, run-length encoding, rows stored top-down and a 124-byte
// header: each read where the header says and drawn as stored, with the
// palette of its colour table.
TEST_F(BigBitmapTest, EveryHeaderFormPlacesItsTableAndBitsAsItSays)
{
    struct Form {
        unsigned id, width, height, colours, tableBytes, bitsAt;
    };
    const Form forms[] = {{DIB_COLOURS300, 4, 2, 300, 1200, 1240}, {DIB_CORE4, 6, 4, 16, 48, 60},
                          {DIB_RLE8, 4, 2, 4, 16, 56},           {DIB_QUAD8_TOP_DOWN, 8, 6, 256, 1024, 1064},
                          {DIB_QUAD8_V5, 8, 6, 6, 24, 148}};
    for (const Form& form : forms) {
        CT_BigBitmap picture(nullptr, pictures.handle(), form.id, nullptr);
        ASSERT_TRUE(picture.h_GetHDIB()) << "picture " << form.id;
        EXPECT_EQ(picture.pco_GetDocSize(), CSize(form.width, form.height));
        LockedDIB dib(picture.h_GetHDIB());
        EXPECT_EQ(picture.n_DIBNumColors(dib.get()), form.colours);
        EXPECT_EQ(picture.n_PaletteSize(dib.get()), form.tableBytes);
        EXPECT_EQ(picture.pv_FindDIBBits(dib.get()), dib.get() + form.bitsAt);
        ASSERT_TRUE(picture.pco_GetDocPalette());
        EXPECT_EQ(picture.pco_GetDocPalette()->GetEntryCount(), static_cast<int>(form.colours));
        PALETTEENTRY second = {};
        picture.pco_GetDocPalette()->GetPaletteEntries(1, 1, &second);
        EXPECT_EQ(RGB(second.peRed, second.peGreen, second.peBlue), kQuadColours[1]);

        DibCanvas canvas(8, 8);
        picture.OnDraw(&canvas.dc);
        EXPECT_EQ(firstQuadrantMismatch(canvas, POINT{0, 0}, form.width, form.height), -1) << "picture " << form.id;
    }
}

// Rows stored top-down, a 124-byte header, and a 56-byte one holding the
// masks of a top-down bit-field picture: the height counts rows.
TEST_F(BigBitmapTest, TopDownRowsAndLongerHeadersGiveTheSizeInRows)
{
    for (unsigned id : {DIB_QUAD8_TOP_DOWN, DIB_QUAD8_V5, DIB_QUAD16_V3}) {
        SCOPED_TRACE(id);
        CT_BigBitmap picture(nullptr, pictures.handle(), id, nullptr);
        ASSERT_TRUE(picture.h_GetHDIB());
        EXPECT_EQ(picture.n_GetWidth(), 8u);
        EXPECT_EQ(picture.n_GetHeight(), 6u);
        EXPECT_EQ(picture.pco_GetDocSize(), CSize(8, 6));
        EXPECT_EQ(picture.n_DIBHeight(LockedDIB(picture.h_GetHDIB()).get()), 6u);
    }
}

// The same 8 x 6 quadrants stored bottom-up after a 40-byte header, stored
// top-down, after a 124-byte header, and top-down with 5-6-5 bit fields
// after a 56-byte header: each shows the right way up.
const unsigned kQuadPictures[] = {DIB_QUAD8, DIB_QUAD8_TOP_DOWN, DIB_QUAD8_V5, DIB_QUAD16_V3};

TEST_F(BigBitmapTest, OnDrawPutsThePictureAtTheDrawingPosition)
{
    for (unsigned id : kQuadPictures) {
        SCOPED_TRACE(id);
        const POINT at = {10, 20};
        CT_BigBitmap picture(nullptr, pictures.handle(), id, &at);
        DibCanvas canvas(40, 40);
        picture.OnDraw(&canvas.dc);
        EXPECT_EQ(firstQuadrantMismatch(canvas, at, 8, 6), -1);
        EXPECT_EQ(canvas.painted(), 8 * 6) << "pixels outside (10, 20, 18, 26)";
    }
}

// The same part of the picture, copied at its size or stretched to twice it,
// whichever way the rows are stored.
TEST_F(BigBitmapTest, APartIsTheSameRowsStretchedOrNot)
{
    for (unsigned id : kQuadPictures) {
        SCOPED_TRACE(id);
        CT_BigBitmap picture(nullptr, pictures.handle(), id, nullptr);
        // The top right and the bottom left quarter, counted from the top.
        const struct {
            RECT part;
            COLORREF colour;
        } quarters[] = {{{4, 0, 8, 3}, kQuadColours[1]}, {{0, 3, 4, 6}, kQuadColours[2]}};
        for (const auto& quarter : quarters) {
            RECT part = quarter.part;
            DibCanvas canvas(16, 16);
            RECT same = {2, 5, 6, 8};
            EXPECT_GT(picture.b_PaintDIB(canvas.dc.m_hDC, &same, picture.h_GetHDIB(), &part, nullptr), 0);
            EXPECT_EQ(canvas.countOther(quarter.colour, same), 0);
            EXPECT_EQ(canvas.painted(), 12);

            DibCanvas stretched(16, 16);
            RECT twice = {2, 5, 10, 11};
            EXPECT_GT(picture.b_PaintDIB(stretched.dc.m_hDC, &twice, picture.h_GetHDIB(), &part, nullptr), 0);
            EXPECT_EQ(stretched.countOther(quarter.colour, twice), 0);
            EXPECT_EQ(stretched.painted(), 48);
        }
    }
}

// A 1 x 65537 black picture, 1 bit per pixel, in moveable global memory.
HDIB tallBlackPicture()
{
    const LONG height = 65537;
    const size_t bytes = sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD) + 4 * size_t(height);
    const HDIB dib = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* header = dib ? static_cast<BITMAPINFOHEADER*>(GlobalLock(dib)) : nullptr;
    if (!header)
        return dib;
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = 1;
    header->biHeight = height;
    header->biPlanes = 1;
    header->biBitCount = 1;
    // Colour 0 black, colour 1 white; every bit stays 0.
    auto* table = reinterpret_cast<RGBQUAD*>(header + 1);
    table[1] = RGBQUAD{255, 255, 255, 0};
    GlobalUnlock(dib);
    return dib;
}

TEST_F(BigBitmapTest, APictureTallerThanSixteenBitsOfRowsIsCopiedWhole)
{
    const HDIB dib = tallBlackPicture();
    ASSERT_NE(dib, nullptr);
    CT_BigBitmap picture;
    DibCanvas canvas(1, 65537);
    ASSERT_TRUE(canvas.ready());
    RECT whole = {0, 0, 1, 65537};
    EXPECT_EQ(picture.b_PaintDIB(canvas.dc.m_hDC, &whole, dib, &whole, nullptr), 65537);
    EXPECT_EQ(canvas.count(RGB(0, 0, 0)), 65537);
    EXPECT_EQ(canvas.at(0, 0), RGB(0, 0, 0)) << "the top row comes last";
    GlobalFree(dib);
}

TEST_F(BigBitmapTest, ADestinationOnePixelWiderStretchesWithColourOnColour)
{
    for (unsigned id : kQuadPictures) {
        SCOPED_TRACE(id);
        CT_BigBitmap picture(nullptr, pictures.handle(), id, nullptr);
        CPalette* palette = picture.pco_GetDocPalette();
        DibCanvas canvas(16, 16);
        SetStretchBltMode(canvas.dc.m_hDC, BLACKONWHITE);
        RECT whole = {0, 0, 8, 6};
        RECT wider = {1, 1, 10, 7};
        EXPECT_GT(picture.b_PaintDIB(canvas.dc.m_hDC, &wider, picture.h_GetHDIB(), &whole, palette), 0);
        EXPECT_EQ(GetStretchBltMode(canvas.dc.m_hDC), COLORONCOLOR);
        EXPECT_EQ(canvas.painted(), 9 * 6);
        EXPECT_EQ(canvas.at(1, 1), kQuadColours[0]);
        EXPECT_EQ(canvas.at(9, 1), kQuadColours[1]);
        EXPECT_EQ(canvas.at(1, 6), kQuadColours[2]);
        EXPECT_EQ(canvas.at(9, 6), kQuadColours[3]);
        // The palette given is selected for the copy only.
        if (palette) {
            EXPECT_NE(GetCurrentObject(canvas.dc.m_hDC, OBJ_PAL), palette->m_hObject);
        }
    }
}

TEST_F(BigBitmapTest, AMissingPictureOrANullPointerDrawsNothing)
{
    CT_BigBitmap missing(nullptr, pictures.handle(), 4093, nullptr);
    EXPECT_EQ(missing.h_GetHDIB(), nullptr);
    EXPECT_EQ(missing.pco_GetDocSize(), CSize(0, 0));
    EXPECT_EQ(missing.pco_GetDocPalette(), nullptr);
    CT_BigBitmap bare;
    EXPECT_EQ(bare.pco_GetPalette(), nullptr);
    CT_BigBitmap picture(nullptr, pictures.handle(), DIB_QUAD8, nullptr);
    const HDIB dib = picture.h_GetHDIB();

    DibCanvas canvas(16, 16);
    RECT area = {0, 0, 8, 6};
    CPalette palette;
    missing.OnDraw(&canvas.dc);
    bare.OnDraw(&canvas.dc);
    picture.OnDraw(nullptr);
    missing.v_InitDIBData();
    missing.v_RealizePalette(nullptr);
    EXPECT_EQ(missing.b_PaintDIB(canvas.dc.m_hDC, &area, nullptr, &area, nullptr), 0);
    EXPECT_EQ(picture.b_PaintDIB(canvas.dc.m_hDC, nullptr, dib, &area, nullptr), 0);
    EXPECT_EQ(picture.b_PaintDIB(canvas.dc.m_hDC, &area, dib, nullptr, nullptr), 0);
    EXPECT_FALSE(missing.b_CreateDIBPalette(nullptr, &palette));
    EXPECT_FALSE(picture.b_CreateDIBPalette(dib, nullptr));
    EXPECT_EQ(canvas.painted(), 0);
    EXPECT_EQ(picture.n_DIBWidth(nullptr) + picture.n_DIBHeight(nullptr) + picture.n_DIBNumColors(nullptr) +
                  picture.n_PaletteSize(nullptr),
              0u);
    EXPECT_EQ(picture.pv_FindDIBBits(nullptr), nullptr);
}

TEST_F(BigBitmapTest, APaletteObjectThatHoldsOneAlreadyIsRefusedAndNothingLeaks)
{
    CT_BigBitmap picture(nullptr, pictures.handle(), DIB_QUAD8, nullptr);
    GdiCounter gdi({L"Dialogs.dll", L"MFC71U.DLL"});
    ASSERT_TRUE(gdi.watching());
    {
        CPalette held;
        ASSERT_TRUE(picture.b_CreateDIBPalette(picture.h_GetHDIB(), &held));
        const HGDIOBJ first = held.m_hObject;
        EXPECT_FALSE(picture.b_CreateDIBPalette(picture.h_GetHDIB(), &held));
        EXPECT_EQ(held.m_hObject, first);
        EXPECT_EQ(gdi.liveObjects(), 1u);
    }
    EXPECT_EQ(gdi.liveObjects(), 0u);
    // The library looks before it creates: no second palette is ever made.
    EXPECT_EQ(gdi.created(), 1u);
}

TEST_F(BigBitmapTest, OneWindowClassServesEveryObjectUntilTheNameIsFreed)
{
    CT_BigBitmap first;
    EXPECT_STREQ(first.GetRuntimeClass()->m_lpszClassName, "CT_BigBitmap");
    EXPECT_TRUE(first.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_EQ(RUNTIME_CLASS(CT_BigBitmap)->m_pfnCreateObject, nullptr);
    const CT_UString* name = CT_BigBitmap::spcco_GetClassName();
    ASSERT_TRUE(name);
    CT_BigBitmap second(nullptr, pictures.handle(), DIB_QUAD8, nullptr);
    EXPECT_EQ(CT_BigBitmap::spcco_GetClassName(), name);

    WNDCLASSEXW info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), name->qcuz_Get(), &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS));
    EXPECT_EQ(info.style, 0x400Bu);
    EXPECT_EQ(info.hCursor, nullptr);
    EXPECT_EQ(info.hbrBackground, nullptr);
    EXPECT_EQ(info.hIcon, nullptr);

    // The unload's clean-up gives the name back; the next object makes one again.
    const std::wstring registered = name->qcuz_Get();
    CT_BigBitmap::sv_Exit();
    EXPECT_EQ(CT_BigBitmap::spcco_GetClassName(), nullptr);
    CT_BigBitmap::sv_Exit();
    CT_BigBitmap third;
    ASSERT_TRUE(CT_BigBitmap::spcco_GetClassName());
    EXPECT_EQ(CT_BigBitmap::spcco_GetClassName()->qcuz_Get(), registered);
}

// A window of the class, as a derived class makes one, paints its picture
// at the drawing position.
TEST_F(BigBitmapTest, AWindowOfTheClassPaintsThePictureAtItsPosition)
{
    const POINT at = {5, 3};
    CT_BigBitmap picture(nullptr, pictures.handle(), DIB_QUAD8, &at);
    ASSERT_TRUE(picture.CreateEx(WS_EX_TOPMOST, CT_BigBitmap::spcco_GetClassName()->qcuz_Get(), nullptr,
                                 WS_POPUP | WS_VISIBLE, CRect(0, 0, 20, 12), nullptr, 0));
    picture.UpdateWindow();
    DibCanvas shown(20, 12);
    HDC window = ::GetDC(picture.m_hWnd);
    BitBlt(shown.dc.m_hDC, 0, 0, 20, 12, window, 0, 0, SRCCOPY);
    ::ReleaseDC(picture.m_hWnd, window);
    EXPECT_EQ(firstQuadrantMismatch(shown, at, 8, 6), -1);
    picture.DestroyWindow();
}

// Stands between the framework and the system's window contexts and window
// classes, which this display never runs out of or refuses. Without a
// context the palette is not realised and the window is left unpainted but
// validated; a refused class leaves no name, and the next object registers
// it. Nothing of it reaches the window procedure's end or the host.
TEST_F(BigBitmapTest, WithoutContextsOrAClassThePictureIsStillReadAndNothingLeaks)
{
    const unsigned escaped = testApp().wndProcExceptions;
    GdiCounter gdi({L"Dialogs.dll", L"MFC71U.DLL"});
    {
        NoWindowContexts none;
        ASSERT_TRUE(none.ok());
        CT_BigBitmap picture(nullptr, pictures.handle(), DIB_QUAD8, nullptr);
        EXPECT_EQ(picture.pco_GetDocSize(), CSize(8, 6));
        ASSERT_TRUE(picture.CreateEx(WS_EX_TOPMOST, CT_BigBitmap::spcco_GetClassName()->qcuz_Get(), nullptr,
                                     WS_POPUP | WS_VISIBLE, CRect(0, 0, 20, 12), nullptr, 0));
        picture.UpdateWindow();
        EXPECT_FALSE(GetUpdateRect(picture.m_hWnd, nullptr, FALSE));
        picture.DestroyWindow();
    }
    CT_BigBitmap::sv_Exit();
    {
        RefusedWindowClass refused;
        ASSERT_TRUE(refused.ok());
        CT_BigBitmap picture(nullptr, pictures.handle(), DIB_QUAD8, nullptr);
        EXPECT_EQ(CT_BigBitmap::spcco_GetClassName(), nullptr);
        EXPECT_EQ(picture.pco_GetDocSize(), CSize(8, 6));
    }
    CT_BigBitmap next;
    EXPECT_TRUE(CT_BigBitmap::spcco_GetClassName());
    EXPECT_EQ(testApp().wndProcExceptions, escaped);
    EXPECT_EQ(gdi.liveObjects(), 0u);
    EXPECT_EQ(gdi.liveWindowDCs(), 0u);
}

// A new picture replaces the old one whole: a missing one leaves no size,
// palette or block of the last.
TEST_F(BigBitmapTest, SettingAnotherPictureReleasesTheFormerOne)
{
    GdiCounter gdi({L"Dialogs.dll", L"MFC71U.DLL"});
    CT_BigBitmap picture(nullptr, pictures.handle(), DIB_QUAD8, nullptr);
    EXPECT_EQ(gdi.liveObjects(), 1u);
    picture.v_Set(nullptr, pictures.handle(), DIB_CORE4, nullptr);
    EXPECT_EQ(picture.pco_GetDocSize(), CSize(6, 4));
    EXPECT_EQ(gdi.liveObjects(), 1u);

    picture.v_Set(nullptr, pictures.handle(), 4093, nullptr);
    EXPECT_EQ(picture.h_GetHDIB(), nullptr);
    EXPECT_EQ(picture.n_GetWidth(), 0u);
    EXPECT_EQ(picture.n_GetHeight(), 0u);
    EXPECT_EQ(picture.pco_GetDocSize(), CSize(0, 0));
    EXPECT_EQ(picture.pco_GetDocPalette(), nullptr);
    EXPECT_EQ(gdi.liveObjects(), 0u);
    EXPECT_EQ(gdi.liveWindowDCs(), 0u);
}

TEST_F(BigBitmapTest, WithoutMemoryForTheDocumentPaletteThePictureIsDropped)
{
    {
        DAZ_FailAllocationsAfter(1);
        CT_BigBitmap picture(nullptr, pictures.handle(), DIB_QUAD8, nullptr);
        DAZ_FailAllocationsAfter(-1);
        EXPECT_TRUE(picture.pco_GetPalette());
        EXPECT_EQ(picture.h_GetHDIB(), nullptr);
        EXPECT_EQ(picture.pco_GetDocPalette(), nullptr);
        EXPECT_EQ(picture.pco_GetDocSize(), CSize(0, 0));
        EXPECT_EQ(picture.n_GetWidth(), 0u);
        DibCanvas canvas(16, 16);
        picture.OnDraw(&canvas.dc);
        EXPECT_EQ(canvas.painted(), 0);
    }
    {
        DAZ_FailAllocationsAfter(0);
        CT_BigBitmap picture(nullptr, pictures.handle(), DIB_QUAD8, nullptr);
        DAZ_FailAllocationsAfter(-1);
        EXPECT_EQ(picture.pco_GetPalette(), nullptr);
        EXPECT_EQ(picture.h_GetHDIB(), nullptr);
    }
}

// Printing: the picture spans the page's width and keeps its proportions
// in the printer's own resolutions across and down, the right way up
// whichever way its rows are stored and whatever its header.
TEST_F(BigBitmapTest, OnAPrinterThePictureFillsThePageWidth)
{
    struct Form {
        unsigned id;
        int width, height;
    };
    for (const Form& form : {Form{DIB_CORE4, 6, 4}, Form{DIB_QUAD8_TOP_DOWN, 8, 6}, Form{DIB_QUAD8_V5, 8, 6},
                             Form{DIB_QUAD16_V3, 8, 6}}) {
        SCOPED_TRACE(form.id);
        CT_BigBitmap picture(nullptr, pictures.handle(), form.id, nullptr);
        DibCanvas page(1400, 1000);
        const int pageWidth = GetDeviceCaps(page.dc.m_hDC, HORZRES);
        ASSERT_GT(pageWidth, 0);
        ASSERT_LE(pageWidth, 1400);
        ASSERT_EQ(GetDeviceCaps(page.dc.m_hDC, LOGPIXELSX), GetDeviceCaps(page.dc.m_hDC, LOGPIXELSY));
        const int height = form.height * pageWidth / form.width;   // truncated towards zero
        ASSERT_LT(height, 1000);

        AfxDiagSetPrinting(&page.dc, TRUE);
        picture.OnDraw(&page.dc);
        EXPECT_EQ(page.at(0, 0), kQuadColours[0]);
        EXPECT_EQ(page.at(pageWidth - 1, 0), kQuadColours[1]);
        EXPECT_EQ(page.at(0, height - 1), kQuadColours[2]);
        EXPECT_EQ(page.at(pageWidth - 1, height - 1), kQuadColours[3]);
        EXPECT_EQ(page.painted(), pageWidth * height);
    }
}

// Stands between the framework and GetDeviceCaps for one context: a printer
// of 300 by 600 dots per inch is what this display cannot be.
HDC g_printer = nullptr;
int WINAPI printerCaps(HDC hDC, int index)
{
    if (hDC == g_printer) {
        switch (index) {
        case HORZRES:
            return 64;
        case VERTRES:
            return 90;
        case LOGPIXELSX:
            return 300;
        case LOGPIXELSY:
            return 600;
        }
    }
    return GetDeviceCaps(hDC, index);
}

TEST_F(BigBitmapTest, APrinterIsMeasuredOnItsAttributeContextAndDrawnOnItsOutput)
{
    CT_BigBitmap picture(nullptr, pictures.handle(), DIB_QUAD8, nullptr);
    DibCanvas output(80, 120);
    DibCanvas attributes(4, 4);
    ImportPatch patch(GetModuleHandleW(L"MFC71U.DLL"), "gdi32.dll", "GetDeviceCaps",
                      reinterpret_cast<void*>(&printerCaps));
    ASSERT_TRUE(patch.ok());
    g_printer = attributes.dc.m_hDC;

    CDC printer;
    printer.SetOutputDC(output.dc.m_hDC);
    printer.SetAttribDC(attributes.dc.m_hDC);
    AfxDiagSetPrinting(&printer, TRUE);
    picture.OnDraw(&printer);
    // 600 * 6 * 64 / (8 * 300) = 96 rows.
    EXPECT_EQ(output.at(0, 0), kQuadColours[0]);
    EXPECT_EQ(output.at(63, 0), kQuadColours[1]);
    EXPECT_EQ(output.at(0, 95), kQuadColours[2]);
    EXPECT_EQ(output.at(63, 95), kQuadColours[3]);
    EXPECT_EQ(output.painted(), 64 * 96);
    EXPECT_EQ(attributes.painted(), 0);

    // A printer without an attribute context has no page to measure.
    DibCanvas blank(80, 120);
    printer.SetOutputDC(blank.dc.m_hDC);
    printer.ReleaseAttribDC();
    picture.OnDraw(&printer);
    EXPECT_EQ(blank.painted(), 0);
    printer.ReleaseOutputDC();
    g_printer = nullptr;
}

TEST_F(BigBitmapTest, ManyPicturesTakeAndGiveBackTheirGdiObjects)
{
    DibCanvas canvas(16, 16);
    GdiCounter gdi({L"Dialogs.dll", L"MFC71U.DLL"});
    ASSERT_TRUE(gdi.watching());
    for (int i = 0; i < 20; ++i) {
        CT_BigBitmap picture(nullptr, pictures.handle(), DIB_FIRST_WHOLE + i % 6, nullptr);
        picture.OnDraw(&canvas.dc);
    }
    EXPECT_EQ(gdi.liveObjects(), 0u);
    EXPECT_EQ(gdi.liveWindowDCs(), 0u);
    EXPECT_GE(gdi.created(), 15u);
}

} // namespace
