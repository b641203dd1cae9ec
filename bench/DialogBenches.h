// The library's dialogs shown against plain Win32 code doing the same work
// from the same resources, each showing timed from the show call until the
// window and its items have painted.
#pragma once

#include <windows.h>

#include <vector>

// The modules the showings read from.
struct BenchModules {
    HMODULE pictures = nullptr;    // BenchPictures.dll: pictures, the About box's texts, the link dialog
    HMODULE templates = nullptr;   // DialogsENU.dll: the templates the plain code shows
    HMODULE library = nullptr;     // Dialogs.dll: the maker's logo and the hand cursor
};

// False, with a message, when a module is missing.
bool b_LoadBenchModules(BenchModules* modules);
void v_FreeBenchModules(BenchModules* modules);

// One dialog shown once, by the library or by the plain code; each returns
// the milliseconds until painted, negative when nothing came up.
struct DialogShowing {
    const char* name;   // one word, for the machine-readable lines and --cold
    const char* what;   // the dialog, for the table
    int rounds;         // warm rounds unless told otherwise
    double (*library)(const BenchModules& modules);
    double (*plain)(const BenchModules& modules);
};

// The splash window, the About box and the language chooser with flags.
const std::vector<DialogShowing>& vso_DialogShowings();
// Null when there is no showing of that name.
const DialogShowing* pcso_FindShowing(const char* name);
