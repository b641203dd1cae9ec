// Cold showings: the first showing of a dialog in a process, with the
// library and the plain code loaded but nothing of the dialog's (template,
// fonts, cursor, pictures, classes) used yet. Each is timed in a fresh
// process of this program, started with `--cold NAME SIDE`.
#pragma once

// Milliseconds of the showing `name` (DialogBenches.h) by the library or by
// the plain code, timed in a fresh process; negative when that failed.
double f_TimeInFreshProcess(const char* name, bool library);

// The fresh process's part: loads the modules, makes a hidden main window as
// a host has one, runs the showing `name` once by `side` ("library" or
// "plain") and prints its milliseconds. The program's exit code.
int i_RunColdShowing(const char* name, const char* side);
