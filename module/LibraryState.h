// State of the loaded library that its dialogs read; not exported.
#pragma once

#include <windows.h>

// The resource module of the current user-interface language for this
// library, as the language manager keeps it; null when none could be loaded.
HINSTANCE h_GetLanguageResourceHandle();

// Whether the system's default font, read once at load, uses the Shift-JIS
// character set.
int b_HasJapaneseSystemFont();
