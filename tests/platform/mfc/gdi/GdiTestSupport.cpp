#include "GdiTestSupport.h"
#include "TopDownDib.h"

PixelCanvas::PixelCanvas(int canvasWidth, int canvasHeight) : width(canvasWidth), height(canvasHeight)
{
    if (!dc.CreateCompatibleDC(nullptr))
        return;
    void* pixels = nullptr;
    if (!bitmap.Attach(CreateTopDownDib32(dc.m_hDC, width, height, &pixels)))
        return;
    original = dc.SelectObject(&bitmap);
    if (!original)
        return;
    bits = static_cast<const DWORD*>(pixels);
    dc.FillSolidRect(0, 0, width, height, RGB(255, 255, 255));
}

// The DIB section goes back out of the context before either is deleted.
PixelCanvas::~PixelCanvas()
{
    if (original)
        dc.SelectObject(original);
}

int PixelCanvas::count(COLORREF color) const
{
    return count(color, RECT{0, 0, width, height});
}

int PixelCanvas::count(COLORREF color, const RECT& area) const
{
    if (!bits)
        return -1;
    GdiFlush();
    int found = 0;
    for (int y = area.top; y < area.bottom && y < height; ++y) {
        for (int x = area.left; x < area.right && x < width; ++x) {
            const DWORD pixel = bits[y * width + x] & 0xFFFFFF;
            // DIB pixels are stored blue, green, red.
            if (RGB(GetBValue(pixel), GetGValue(pixel), GetRValue(pixel)) == color)
                ++found;
        }
    }
    return found;
}

COLORREF PixelCanvas::at(int x, int y) const
{
    return dc.GetPixel(x, y);
}

bool CreateCrispFont(CFont& font, int height)
{
    LOGFONT logFont = {};
    logFont.lfHeight = -height;
    logFont.lfWeight = FW_BOLD;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfQuality = NONANTIALIASED_QUALITY;
    lstrcpyn(logFont.lfFaceName, L"Tahoma", LF_FACESIZE);
    return font.CreateFontIndirect(&logFont) != FALSE;
}
