// The bench program, whatever starts it: reads its own command line
//   DialogsBench [--rounds N]        every row, N rounds each (default: each
//                                    row's own count), printed as one table
//   DialogsBench --cold NAME SIDE    one cold showing (ColdStart.h)
// and returns the program's exit code. Nothing passes or fails on a time.
#pragma once

int i_RunBench();
