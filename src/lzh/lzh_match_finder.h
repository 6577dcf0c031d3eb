// Finds, for each position of a buffer, the nearest earlier occurrence of every match length
// 3..60 within 4096 bytes back. A binary tree of the positions in the window, ordered by the
// strings that start there and rooted at the newest, is searched and updated in one descent;
// the descent meets, for each length, the newest position that matches at least that far.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct TLzhMatch {
    uint16_t Length;    // 3..60
    uint16_t Distance;  // 1..4096: the match starts Distance bytes before the current position
};

// The most matches one position can report: one per length 3..60.
constexpr size_t LzhMaxMatchesPerPosition = 58;

struct TLzhMatchFinder {
    const uint8_t* Data = nullptr;
    size_t Size = 0;
    size_t Pos = 0;             // next position to insert
    unsigned SearchDepth = 0;   // nodes visited at most per position
    std::vector<uint32_t> Head;  // newest position of each 3-byte hash
    std::vector<uint32_t> Tree;  // two links per window slot: smaller and larger strings
};

void LzhMatchFinderInit(TLzhMatchFinder& Finder, const uint8_t* Data, size_t Size,
                        unsigned SearchDepth);

// Inserts the next position and stores its matches at Out (room for LzhMaxMatchesPerPosition),
// in increasing length, each at the smallest distance found for that length. Returns how many.
size_t LzhFindMatches(TLzhMatchFinder& Finder, TLzhMatch* Out);

// Inserts the next position without reporting matches.
void LzhSkipPosition(TLzhMatchFinder& Finder);
