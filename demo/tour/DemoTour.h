// The demo's scripted tour: it opens every dialog in turn, writes a PNG
// screen shot of each into a folder and closes it again, as a user would.
#pragma once

#include <windows.h>

// Creates `folder` if needed and writes the tour's pictures into it, then
// leaves. 0 when every picture was written; 1 with the missing ones named.
int i_RunDemoTour(HINSTANCE instance, const wchar_t* folder);
