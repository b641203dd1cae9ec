// The library's work written the plain Win32 way, with no framework and no
// library: what the benchmark measures Dialogs.dll against.
#pragma once

#include <windows.h>

// Bitmap resource `id` of `module` copied into a new moveable block, under
// the wait cursor.
HGLOBAL h_PlainReadDIB(HMODULE module, unsigned id);
// A palette of a 40-byte-header DIB's colour table; null without one.
HPALETTE h_PlainCreatePalette(const BYTE* dib);
// Realises the palette in a context of `window` (null: the screen), as a
// picture is prepared for display there.
void v_PlainRealize(HWND window, HPALETTE palette);
// Draws the DIB unstretched at (x, y) with its palette as background palette.
int i_PlainDrawDIB(HDC dc, int x, int y, const BYTE* dib, HPALETTE palette);

// A topmost, borderless window of the picture's size, centred on the screen,
// painted with the picture and lines of text, with a thread timer for its
// minimum time. Null when it cannot be made.
HWND h_PlainShowSplash(HMODULE module, unsigned id, const wchar_t* const* lines, int count);
void v_PlainCloseSplash(HWND splash);

// What the plain About box shows, as the library's parameter record and
// module state tell the library's.
struct PlainAboutParameters {
    const wchar_t* version;
    unsigned build;
    HMODULE pictures;            // the product pictures
    unsigned picture16Colours;   // on a display of exactly 16 colours
    unsigned picture;            // on every other
    HMODULE texts;               // caption, text, product page, version format
    const wchar_t* productPage;  // empty: the product page string of `texts`
    HMODULE smallPrintTexts;     // the small print
    HMODULE library;             // Dialogs.dll: the maker's logo and the hand cursor
};

// An About box from the library's template 16001 in `templates`, done the
// plain way: the items in the default GUI font; texts and version line; the
// product picture and the maker's logo each read, given a palette realised in
// the dialog and painted at the top-left corner of its item, which is a link
// (PlainLink.h) to the product page or the maker's site; the small print in
// a small Arial where the default GUI font is the old "MS Sans Serif".
// Modal; returns what it ended with.
INT_PTR i_PlainShowAbout(HMODULE templates, const PlainAboutParameters& parameters);

// The language chooser from the library's template 16000 in `templates`,
// done the plain way: its extended combo box filled straight from the
// UI-language manager's languages (Japanese only with a Shift-JIS system
// font), each with its name and its flag loaded from the module that holds
// the flags, the current language chosen. Modal; returns what it ended with.
INT_PTR i_PlainShowLanguages(HMODULE templates, unsigned current);

// The plain dialogs' OK and Cancel: ends the dialog with the button's
// identifier. FALSE for every other command.
BOOL b_PlainEndOnOkOrCancel(HWND dialog, WPARAM command);
