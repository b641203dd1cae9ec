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

// An About box from the library's template 16001 in `templates`, done the
// plain way: texts from `texts`, the product picture BENCH_PRODUCT of
// `pictures` and the maker's logo 1007 of `library`, each read, given a
// palette and painted at the top-left corner of its item. Modal; returns
// what it ended with.
INT_PTR i_PlainShowAbout(HMODULE templates, HMODULE texts, HMODULE pictures, HMODULE library);

// The language chooser from the library's template 16000 in `templates`,
// done the plain way: its extended combo box filled straight from the
// UI-language manager's languages (Japanese only with a Shift-JIS system
// font), each with its name and flag. Modal; returns what it ended with.
INT_PTR i_PlainShowLanguages(HMODULE templates);

// The plain dialogs' OK and Cancel: ends the dialog with the button's
// identifier. FALSE for every other command.
BOOL b_PlainEndOnOkOrCancel(HWND dialog, WPARAM command);
