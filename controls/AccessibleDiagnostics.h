// Diagnostics of the library's accessible objects for tests, exported by name.
#pragma once

#include <Dialogs/DialogsExport.h>

extern "C" {
// Accessible objects of the link controls that some client still holds.
DIALOGS_API long __cdecl Dialogs_GetLiveAccessibleCount(void);
}
