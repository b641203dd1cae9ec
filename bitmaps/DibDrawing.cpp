#include "DibDrawing.h"

#include "DibFormat.h"

int i_CopyDIB(HDC hDC, const RECT& target, const BYTE* pcn1_DIB, const RECT& source)
{
    const void* bits = pcn1_DIB + CT_DIBFormat::sn_BitsOffset(pcn1_DIB);
    const auto* info = reinterpret_cast<const BITMAPINFO*>(pcn1_DIB);
    const int targetWidth = target.right - target.left;
    const int targetHeight = target.bottom - target.top;
    const int sourceWidth = source.right - source.left;
    const int sourceHeight = source.bottom - source.top;
    // Both copies count the source's rows from the bottom, for a picture
    // stored top-down as well.
    const unsigned rows = CT_DIBFormat::sn_Height(pcn1_DIB);
    const int sourceY = static_cast<int>(rows) - source.bottom;
    if (targetWidth != sourceWidth || targetHeight != sourceHeight) {
        return ::StretchDIBits(hDC, target.left, target.top, targetWidth, targetHeight, source.left, sourceY,
                               sourceWidth, sourceHeight, bits, info, DIB_RGB_COLORS, SRCCOPY);
    }
    // Every row, however tall: a 16-bit count would keep height mod 65536.
    return ::SetDIBitsToDevice(hDC, target.left, target.top, targetWidth, targetHeight, source.left, sourceY, 0, rows,
                               bits, info, DIB_RGB_COLORS);
}
