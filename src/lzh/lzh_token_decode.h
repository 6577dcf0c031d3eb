// Decoding of one token's codes: the symbol from the adaptive tree, and a match's position.
#pragma once

#include "lzh/lzh_bit_reader.h"
#include "lzh/lzh_model.h"
#include "lzh/lzh_position_tables.h"

// Walks the tree from the root, one bit per level, to a leaf; then counts the symbol, so the
// next symbol is read with the updated tree. Result 0..313.
inline unsigned LzhDecodeSymbol(TLzhReadProc Source) {
    unsigned p = LzhChild[LzhRootPos];
    while (p < LzhNodeCount) p = LzhChild[p + LzhReadBit(Source)];
    const unsigned s = p - LzhNodeCount;
    LzhUpdateModel(s);
    return s;
}

// A match position P (0..4095): the prefix code of its high 6 bits, found with one 8-bit read
// and two table lookups, then its low 6 bits. The bits of the read byte after the prefix and the
// bits read after it form the low bits, in that order.
inline unsigned LzhDecodePosition(TLzhReadProc Source) {
    unsigned b = LzhReadOctet(Source);
    const unsigned high = LzhPositionHigh[b];
    unsigned more = LzhPositionCodeLen[b] - 2u;
    while (more-- > 0) b = ((b << 1) + LzhReadBit(Source)) & 0xFFFFu;
    return (high << 6) | (b & 0x3Fu);
}
