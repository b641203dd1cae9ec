// A module's own global operator new and delete, in a private heap, counting
// the blocks it hands out. Linked into a module, CountingAllocator.cpp
// replaces that module's allocator; a block given back to the wrong module's
// allocator is refused by the private heap and stays counted.
#pragma once

// Blocks handed out and not given back.
long CountingAllocator_GetLiveBlocks();
// While set, allocations fail (operator new throws, the nothrow form gives null).
void CountingAllocator_Fail(bool bFail);
