// Fixed parameters of the compressed stream. Changing any of them changes the decoded bytes.
#pragma once

#include <cstdint>

constexpr int LzhWindowSize = 4096;     // ring size; indices are taken with LzhWindowMask
constexpr int LzhWindowMask = LzhWindowSize - 1;
constexpr int LzhMaxMatch = 60;         // longest match
constexpr int LzhMinMatch = 3;          // length of match symbol 256
constexpr int LzhSymbolCount = 314;     // 0..255 literals, 256..313 match lengths 3..60
constexpr int LzhNodeCount = 2 * LzhSymbolCount - 1;  // 627; also the leaf mark in LzhChild
constexpr int LzhRootPos = LzhNodeCount - 1;          // 626
constexpr uint16_t LzhFreqLimit = 0x8000;             // root count that triggers a rebuild
constexpr int LzhStartPos = LzhWindowSize - LzhMaxMatch;  // 4036, first write index

// Table sizes: the counts carry a sentinel after the root; the parent table also holds
// the position of each symbol's leaf, at LzhNodeCount + symbol.
constexpr int LzhFreqEntries = LzhNodeCount + 1;               // 628
constexpr int LzhParentEntries = LzhNodeCount + LzhSymbolCount;  // 941
constexpr int LzhChildEntries = LzhNodeCount;                  // 627
constexpr uint16_t LzhFreqSentinel = 0xFFFF;

// Match symbol s codes length s - LzhMatchSymbolBias.
constexpr int LzhMatchSymbolBias = 256 - LzhMinMatch;  // 253
