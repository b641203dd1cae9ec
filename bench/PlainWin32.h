// The library's work written the plain Win32 way, with no framework and no
// library: what the benchmark measures Dialogs.dll against.
#pragma once

#include <windows.h>

// Bitmap resource `id` of `module` copied into a new moveable block, under
// the wait cursor.
HGLOBAL h_PlainReadDIB(HMODULE module, unsigned id);
// A palette of a 40-byte-header DIB's colour table; null without one.
HPALETTE h_PlainCreatePalette(const BYTE* dib);
// Realises the palette on the screen, as a picture is prepared for display.
void v_PlainRealizeOnScreen(HPALETTE palette);
// Draws the DIB unstretched at (x, y) with its palette as background palette.
int i_PlainDrawDIB(HDC dc, int x, int y, const BYTE* dib, HPALETTE palette);

// A topmost, borderless window of the picture's size, centred on the screen,
// painted with the picture and lines of text, with a thread timer for its
// minimum time. Null when it cannot be made.
HWND h_PlainShowSplash(HMODULE module, unsigned id, const wchar_t* const* lines, int count);
void v_PlainCloseSplash(HWND splash);
