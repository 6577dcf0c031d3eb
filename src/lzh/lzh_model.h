// The decoder's adaptive code tree: the tree operations (lzh_tree.h) on the decoder's tables.
#pragma once

#include "lzh/lzh_state.h"
#include "lzh/lzh_tree.h"

// Sets up the initial tree: symbol s >= 116 has the 8-bit code s - 116, symbol s <= 115 the
// 9-bit code 396 + s.
void LzhStartModel();

// Halves the leaf counts and builds the tree anew; run when the root count reaches 0x8000.
void LzhRebuildModel();

// Counts one occurrence of symbol S (0..313), rebuilding first when the root count is full.
inline void LzhUpdateModel(unsigned S) {
    if (LzhTreeFull(LzhFreq)) LzhRebuildModel();
    LzhTreeCount(LzhFreq, LzhParent, LzhChild, S);
}
