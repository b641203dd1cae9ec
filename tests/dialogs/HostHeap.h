// The test program's own global operator new and delete, counted, as a host
// that links Dialogs.dll has its own allocator beside the library's.
#pragma once

// Blocks of the program's allocator handed out and not yet given back.
long hostLiveBlocks();
// The next allocation of the program's allocator fails (returns null, or
// throws for the throwing form).
void hostFailNextAllocation();
