#include "LexorinBasis.h"

#include "BasisHeap.h"
#include "Text.h"

#include <new>

namespace {

const unsigned kPixels = 0, kPoints = 1;
const unsigned kLargestSize = 0x7FFF;   // points or pixels

int i_PixelsPerInch(HDC dc)
{
    if (dc)
        return GetDeviceCaps(dc, LOGPIXELSY);
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi;
}

unsigned n_Points(LONG height, int dpi)
{
    const int pixels = height < 0 ? -height : height;
    return dpi > 0 ? static_cast<unsigned>(MulDiv(pixels, 72, dpi)) : 0;
}

void v_Describe(CT_LogicalFont* font, const LOGFONTW& logFont, unsigned points)
{
    font->co_FaceName.v_Set(logFont.lfFaceName, LF_FACESIZE);
    font->n_Size = points;
    font->n1_CharSet = logFont.lfCharSet;
    font->b_Bold = logFont.lfWeight >= FW_SEMIBOLD;
    font->b_Italic = logFont.lfItalic != 0;
    font->b_Underline = logFont.lfUnderline != 0;
    font->b_StrikeOut = logFont.lfStrikeOut != 0;
}

// The stock object that the system documents as the default font of dialog
// boxes: its character set follows the system's code page (Shift-JIS in a
// Japanese session), which the message font of the non-client metrics need
// not. A font the system cannot describe leaves the defaults.
void v_ReadSystemFont(CT_LogicalFont* font)
{
    font->h_Font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTW logFont = {};
    if (GetObjectW(font->h_Font, sizeof logFont, &logFont) != sizeof logFont)
        return;
    logFont.lfFaceName[LF_FACESIZE - 1] = 0;
    v_Describe(font, logFont, n_Points(logFont.lfHeight, i_PixelsPerInch(nullptr)));
}

// The LOGFONT of a request, and its size in points; false for a request that
// names no font.
bool b_MakeRequest(HDC dc, const CT_UString* face, unsigned unit, unsigned size, int bold, int italic,
                   int underline, int strikeOut, LOGFONTW* logFont, unsigned* points)
{
    if (!face || face->vn_GetLength() == 0 || face->vn_GetLength() >= LF_FACESIZE)
        return false;
    if ((unit != kPixels && unit != kPoints) || size == 0 || size > kLargestSize)
        return false;
    const int dpi = i_PixelsPerInch(dc);
    if (dpi <= 0)
        return false;
    const int pixels = unit == kPoints ? MulDiv(static_cast<int>(size), dpi, 72) : static_cast<int>(size);
    if (pixels <= 0 || pixels > static_cast<int>(kLargestSize))
        return false;
    *points = unit == kPoints ? size : n_Points(pixels, dpi);

    *logFont = LOGFONTW();
    logFont->lfHeight = -pixels;   // character height, without internal leading
    logFont->lfWeight = bold ? FW_BOLD : FW_NORMAL;
    logFont->lfItalic = italic ? TRUE : FALSE;
    logFont->lfUnderline = underline ? TRUE : FALSE;
    logFont->lfStrikeOut = strikeOut ? TRUE : FALSE;
    logFont->lfCharSet = DEFAULT_CHARSET;
    logFont->lfOutPrecision = OUT_DEFAULT_PRECIS;
    logFont->lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont->lfQuality = DEFAULT_QUALITY;
    logFont->lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynW(logFont->lfFaceName, face->qcuz_Get(), LF_FACESIZE);
    return true;
}

// Two requests that make the same font share it, whatever unit they used.
bool b_Matches(const CT_LogicalFont* font, const LOGFONTW& request, unsigned points)
{
    LOGFONTW held;
    if (GetObjectW(font->h_Font, sizeof held, &held) != sizeof held)
        return false;
    return font->n_Size == points && held.lfHeight == request.lfHeight &&
           font->b_Bold == (request.lfWeight >= FW_SEMIBOLD) && font->b_Italic == request.lfItalic &&
           font->b_Underline == request.lfUnderline && font->b_StrikeOut == request.lfStrikeOut &&
           font->co_FaceName.vi_Compare(request.lfFaceName, Basis::kWholeText, CT_String::en_IgnoreCase) == 0;
}

} // namespace

CT_LogicalFont::CT_LogicalFont()
    : h_Font(nullptr), n_Size(0), n1_CharSet(DEFAULT_CHARSET), b_Bold(FALSE), b_Italic(FALSE),
      b_Underline(FALSE), b_StrikeOut(FALSE), n_HireCount(0), pco_Next(nullptr)
{
}

CT_LogicalFont::~CT_LogicalFont()
{
    if (h_Font)
        DeleteObject(h_Font);
}

// Constructed on first use, so that other modules may hire fonts during their
// own static initialisation.
CT_FontManager* CT_FontManager::spco_GetFontManager()
{
    static CT_FontManager manager;
    return &manager;
}

CT_FontManager::CT_FontManager() : pco_Fonts(nullptr), pco_SystemDefault(nullptr), n_Hires(0) {}

CT_FontManager::~CT_FontManager()
{
    while (pco_Fonts) {
        CT_LogicalFont* next = pco_Fonts->pco_Next;
        pco_Fonts->~CT_LogicalFont();
        Basis::v_Free(pco_Fonts);
        pco_Fonts = next;
    }
    n_Hires = 0;
}

HFONT CT_FontManager::h_GetSystemDefaultFont()
{
    return pcco_GetSystemDefaultFont()->h_Font;
}

// Read once. The system keeps the stock font: it is not deleted with the
// manager's description of it.
const CT_LogicalFont* CT_FontManager::pcco_GetSystemDefaultFont()
{
    struct StockFont {
        CT_LogicalFont font;
        ~StockFont() { font.h_Font = nullptr; }
    };
    static StockFont systemDefault;
    if (!pco_SystemDefault) {
        v_ReadSystemFont(&systemDefault.font);
        pco_SystemDefault = &systemDefault.font;
    }
    return pco_SystemDefault;
}

CT_LogicalFont* CT_FontManager::pco_Hire(HDC dc, const CT_UString* face, unsigned unit, unsigned size, int bold,
                                         int italic, int underline, int strikeOut)
{
    LOGFONTW request;
    unsigned points = 0;
    if (!b_MakeRequest(dc, face, unit, size, bold, italic, underline, strikeOut, &request, &points))
        return nullptr;
    for (CT_LogicalFont* font = pco_Fonts; font; font = font->pco_Next) {
        if (b_Matches(font, request, points)) {
            ++font->n_HireCount;
            ++n_Hires;
            return font;
        }
    }

    void* block = Basis::pv_Allocate(sizeof(CT_LogicalFont));
    if (!block)
        return nullptr;
    CT_LogicalFont* font = new (block) CT_LogicalFont;
    font->h_Font = CreateFontIndirectW(&request);
    v_Describe(font, request, points);
    if (!font->h_Font || font->co_FaceName.vn_GetLength() != face->vn_GetLength()) {
        font->~CT_LogicalFont();
        Basis::v_Free(block);
        return nullptr;
    }
    font->n_HireCount = 1;
    font->pco_Next = pco_Fonts;
    pco_Fonts = font;
    ++n_Hires;
    return font;
}

void CT_FontManager::v_Fire(CT_LogicalFont* font)
{
    if (!font)
        return;
    for (CT_LogicalFont** link = &pco_Fonts; *link; link = &(*link)->pco_Next) {
        if (*link != font)
            continue;
        --n_Hires;
        if (--font->n_HireCount == 0) {
            *link = font->pco_Next;
            font->~CT_LogicalFont();
            Basis::v_Free(font);
        }
        return;
    }
}

unsigned CT_FontManager::n_GetFontCount() const
{
    unsigned count = 0;
    for (const CT_LogicalFont* font = pco_Fonts; font; font = font->pco_Next)
        ++count;
    return count;
}

unsigned CT_FontManager::n_GetHireCount() const
{
    return n_Hires;
}
