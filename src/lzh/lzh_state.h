// The decoder's state: one instance for the whole program, set up afresh by every LzhUnpack.
// The tables live on the heap only while LzhUnpack runs (lzh_tables.h); between calls the
// pointers are null.
#pragma once

#include <cstdint>

// Bit reader (lzh_bit_reader.h).
// Input bits not yet consumed, the next one in bit 15; the bits below the valid ones are zero.
extern uint16_t LzhBitBuffer;
// Number of valid bits in LzhBitBuffer, 0..16.
extern uint8_t LzhBitCount;

// Sliding window: the last 4096 bytes produced, as a ring. Positions 0..4035 start as spaces;
// 4036..4095 start as zeros (any value would do: a valid stream never reads them unwritten).
extern uint8_t* LzhWindow;

// Code tree (lzh_tree.h describes the three tables and their invariants).
extern uint16_t* LzhFreq;    // 628 entries: node counts and the sentinel
extern uint16_t* LzhParent;  // 941 entries: parent of each node, then the leaf of each symbol
extern uint16_t* LzhChild;   // 627 entries: first child of each node, or leaf mark + symbol
