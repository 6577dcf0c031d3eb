// The fixed prefix code of a match position's high 6 bits, as tables indexed by the next
// 8 input bits. The code is canonical: the 64 high values take consecutive codes, shortest
// first, with 1 code of 3 bits, 3 of 4, 8 of 5, 12 of 6, 24 of 7 and 16 of 8. A code of L bits
// therefore owns 2^(8-L) consecutive byte values. The tables are generated from that rule.
#pragma once

#include <array>
#include <cstdint>

struct TLzhPrefixLengthGroup {
    uint8_t Length;  // code length in bits
    uint8_t Codes;   // how many high values have a code of that length
};

constexpr std::array<TLzhPrefixLengthGroup, 6> LzhPositionPrefixGroups{{
    {3, 1}, {4, 3}, {5, 8}, {6, 12}, {7, 24}, {8, 16}}};

// Fills one 256-entry table: the high value (WantHigh) or the code length of the code that
// stands in the top bits of each byte value.
constexpr std::array<uint8_t, 256> LzhMakePositionTable(bool WantHigh) {
    std::array<uint8_t, 256> table{};
    unsigned b = 0;
    unsigned high = 0;
    for (const TLzhPrefixLengthGroup& group : LzhPositionPrefixGroups) {
        for (unsigned code = 0; code < group.Codes; ++code, ++high) {
            for (unsigned k = 0; k < (1u << (8 - group.Length)); ++k, ++b)
                table[b] = static_cast<uint8_t>(WantHigh ? high : group.Length);
        }
    }
    return table;
}

// LzhPositionHigh[b]: high 6 bits (0..63) of the position whose code begins the byte b.
constexpr std::array<uint8_t, 256> LzhPositionHigh = LzhMakePositionTable(true);
// LzhPositionCodeLen[b]: length (3..8) of the prefix code in the top bits of b.
constexpr std::array<uint8_t, 256> LzhPositionCodeLen = LzhMakePositionTable(false);

// For the encoder: the prefix code of each high value (right-aligned) and its length.
struct TLzhPrefixCode {
    uint8_t Code;
    uint8_t Length;
};

constexpr std::array<TLzhPrefixCode, 64> LzhMakePositionPrefixCodes() {
    std::array<TLzhPrefixCode, 64> codes{};
    for (int b = 255; b >= 0; --b) {  // downwards, so each high value keeps its first byte
        const uint8_t length = LzhPositionCodeLen[b];
        codes[LzhPositionHigh[b]] = {static_cast<uint8_t>(b >> (8 - length)), length};
    }
    return codes;
}

constexpr std::array<TLzhPrefixCode, 64> LzhPositionPrefixCodes = LzhMakePositionPrefixCodes();

// Every byte value is covered, and the boundaries fall where the code lengths say.
static_assert(LzhPositionHigh[0x1F] == 0 && LzhPositionCodeLen[0x1F] == 3);
static_assert(LzhPositionHigh[0x20] == 1 && LzhPositionCodeLen[0x4F] == 4);
static_assert(LzhPositionHigh[0x50] == 4 && LzhPositionHigh[0x8F] == 11);
static_assert(LzhPositionHigh[0x90] == 12 && LzhPositionHigh[0xBF] == 23);
static_assert(LzhPositionHigh[0xC0] == 24 && LzhPositionHigh[0xEF] == 47);
static_assert(LzhPositionHigh[0xF0] == 48 && LzhPositionHigh[0xFF] == 63);
static_assert(LzhPositionCodeLen[0xFF] == 8);
