// Chooses the tokens of one block: the cheapest path of literals and matches through the block,
// priced with the code lengths the adaptive tree has at the block's start.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "lzh/lzh_constants.h"
#include "lzh/lzh_match_table.h"
#include "lzh/lzh_position_tables.h"

struct TLzhToken {
    uint16_t Length;    // 1: a literal; 3..60: a match
    uint16_t Distance;  // matches only: 1..4096 bytes back (position code P = Distance - 1)
};

// Bits of the position code of a match Distance bytes back: prefix of the high 6 bits, then 6.
inline unsigned LzhPositionBits(unsigned Distance) {
    return LzhPositionPrefixCodes[(Distance - 1) >> 6].Length + 6u;
}

// Scratch space kept from block to block.
struct TLzhParseWork {
    std::vector<uint32_t> Cost;     // cheapest bits to reach each position of the block
    std::vector<TLzhToken> Step;    // the last token of that cheapest path
};

// Appends to Tokens the cheapest tokens that cover exactly the positions Start..End - 1 of Data,
// using the matches in Table (which holds every one of those positions) and the code lengths
// SymbolBits of the literal/length symbols. Matches are cut short where they would pass End.
void LzhParseCheapest(const uint8_t* Data, size_t Start, size_t End, const TLzhMatchTable& Table,
                      const std::array<uint8_t, LzhSymbolCount>& SymbolBits, TLzhParseWork& Work,
                      std::vector<TLzhToken>& Tokens);
