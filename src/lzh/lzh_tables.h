// Obtaining and releasing the decoder's tables (window and tree) around one unpack.
#pragma once

#include <cstddef>

// The memory service behind the tables. Tests replace it to watch the tables being obtained
// and released, and to make either fail; LzhUseDefaultMemory puts the heap back.
using TLzhGetMemProc = void* (*)(size_t Size);          // null (or an exception) when it fails
using TLzhFreeMemProc = bool (*)(void* Block, size_t Size);  // false (or an exception) when it fails
extern TLzhGetMemProc LzhGetMem;
extern TLzhFreeMemProc LzhFreeMem;
void LzhUseDefaultMemory();

// Resets the bit reader and obtains LzhWindow, LzhFreq, LzhParent and LzhChild in that order.
// If one cannot be obtained, those already obtained are given back and ElzhException
// "LZH : Cannot get memory for dictionary tables" is raised.
void LzhAllocTables();

// Releases LzhChild, LzhParent, LzhFreq and LzhWindow in that order. All four are given back
// even if one release fails; then ElzhException "LZH : Error freeing memory for dictionary tables"
// is raised once.
void LzhFreeTables();

// True while any of the tables is held (between LzhAllocTables and LzhFreeTables).
bool LzhTablesHeld();
