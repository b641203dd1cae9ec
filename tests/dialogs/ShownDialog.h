// Finding the dialog box that a thread shows, for tests that play its user.
#pragma once

#include <windows.h>

// The visible dialog box (class "#32770") of that thread, or null.
HWND findShownDialog(DWORD threadId);
