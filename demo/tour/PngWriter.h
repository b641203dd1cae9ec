// Writes a picture as a PNG file without an image library: 8-bit RGB, one
// filter byte per row, the pixel data in uncompressed ("stored") deflate
// blocks. Files are larger than a compressing writer's, but every viewer
// and decoder reads them.
#pragma once

#include <windows.h>

// `pixels` holds `height` rows of `width` pixels, top row first, each pixel
// 0x00RRGGBB (the layout of a 32-bit top-down DIB). FALSE, and no file left
// behind, when the size is empty or absurd or the file cannot be written.
BOOL b_WritePng(const wchar_t* path, int width, int height, const DWORD* pixels);
