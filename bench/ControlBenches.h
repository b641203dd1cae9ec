// The library's bitmap object and text link against plain Win32 code doing
// the same work from the same resources.
#pragma once

#include "BenchReport.h"
#include "DialogBenches.h"

// A 1920 x 1080, 8-bit picture read from a resource, given its palette and
// drawn into a memory context. `rounds` 0: the row's own count.
BenchRow so_BenchPicture(const BenchModules& modules, int rounds);

// One repaint of a text link against a plain one (PlainLink.h), each alone in
// a dialog: the row "text-link", whose excess the link's description
// prescribes, and a row against plain code that also does that work at every
// paint, with a note of what that work costs. `rounds` 0: the rows' own count.
void v_BenchTextLink(const BenchModules& modules, int rounds, std::vector<BenchRow>* rows,
                     std::vector<std::string>* notes);
