// Benchmarks of the library's dialogs and controls against plain Win32 code
// doing the same work from the same resources.
#pragma once

#include "BenchTiming.h"

// The About box from the show call until it and its items have painted,
// against a plain dialog from the same template with the same texts and
// pictures. Needs DialogsENU.dll for the plain side's template.
BenchFigure so_BenchAbout(HMODULE pictures);

// The language chooser with flags from the show call until it has painted,
// against a plain dialog from the same template filling its extended combo
// box with the same languages and flags.
BenchFigure so_BenchLanguages();

// One repaint of a text link, against a plain static with the same text in
// the same dialog.
BenchFigure so_BenchTextLink(HMODULE pictures);
