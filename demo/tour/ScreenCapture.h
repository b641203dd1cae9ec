// Screen shots of the demo's windows, frame included, as PNG files.
#pragma once

#include <windows.h>

// Paints `window` and its children now and writes what the screen shows of
// its rectangle to `path`. FALSE when the window is gone or off the screen,
// or the file cannot be written.
BOOL b_CaptureWindow(HWND window, const wchar_t* path);
// The same for a rectangle of the screen, once pending paints have reached it.
BOOL b_CaptureScreenArea(const RECT& area, const wchar_t* path);
