// The demo host's start: its splash and its main window, shared by the
// interactive run and the scripted tour.
#pragma once

#include <windows.h>

#include <string>

// The splash stays at least two seconds, or until a key or a click.
void v_DemoShowSplash(HINSTANCE instance);

// The main window with its menu, shown; it follows each language switch.
// Null when it cannot be made.
HWND h_DemoCreateMainWindow(HINSTANCE instance, int show);

// The folder of the program, with its closing backslash; empty when unknown.
std::wstring co_DemoProgramFolder();
