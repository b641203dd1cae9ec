// The pictures tests draw into and read back: 32 bits per pixel, row 0 at
// the top, so that pixel (x, y) is bits[y * width + x].
#pragma once

#include <windows.h>

// A DIB section of width x height compatible with `dc` (null: the screen);
// its pixels in *bits. Null when the system refuses the size.
HBITMAP CreateTopDownDib32(HDC dc, int width, int height, void** bits);
