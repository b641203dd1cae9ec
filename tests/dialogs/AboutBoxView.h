// Reading a shown About box as its user sees it: tooltips, link targets,
// where its items sit, the fonts they draw with, and the pictures it shows.
#pragma once

#include <windows.h>

#include <string>

// Tooltip windows of the calling thread.
int tooltipWindows();
// The target that a link item's tooltip holds (tool 1 of the item).
std::wstring linkTarget(HWND item);
// The item's top-left corner in the box's client coordinates.
POINT cornerOf(HWND dialog, int id);
// The face name of the font an item draws with.
std::wstring fontFace(HWND item);

// Pixel (x, y) (top row 0) of bitmap `id` of `module`, from its own colour
// table; 4 and 8 bits per pixel.
COLORREF dibPixel(HMODULE module, unsigned id, int x, int y);
// Whether the box shows bitmap `id` of `module` with its top-left corner at
// `corner`, compared on a grid of points.
bool showsPicture(HWND dialog, POINT corner, HMODULE module, unsigned id);
