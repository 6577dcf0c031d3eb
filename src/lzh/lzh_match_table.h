// The matches found for a run of consecutive positions, kept in a ring so that the encoder can
// look ahead a block while keeping the positions it has not coded yet.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "lzh/lzh_match_finder.h"

struct TLzhMatchTable {
    size_t Capacity = 0;               // positions held at once
    std::vector<TLzhMatch> Matches;    // LzhMaxMatchesPerPosition slots per position
    std::vector<uint8_t> Counts;       // matches stored for each position
};

inline void LzhMatchTableInit(TLzhMatchTable& Table, size_t Capacity) {
    Table.Capacity = Capacity;
    Table.Matches.assign(Capacity * LzhMaxMatchesPerPosition, TLzhMatch{0, 0});
    Table.Counts.assign(Capacity, 0);
}

inline TLzhMatch* LzhMatchesAt(TLzhMatchTable& Table, size_t Pos) {
    return &Table.Matches[(Pos % Table.Capacity) * LzhMaxMatchesPerPosition];
}

inline const TLzhMatch* LzhMatchesAt(const TLzhMatchTable& Table, size_t Pos) {
    return &Table.Matches[(Pos % Table.Capacity) * LzhMaxMatchesPerPosition];
}

inline size_t LzhMatchCountAt(const TLzhMatchTable& Table, size_t Pos) {
    return Table.Counts[Pos % Table.Capacity];
}

// Runs the finder on the next position and keeps its matches.
inline void LzhMatchTableFill(TLzhMatchTable& Table, TLzhMatchFinder& Finder) {
    const size_t pos = Finder.Pos;
    Table.Counts[pos % Table.Capacity] =
        static_cast<uint8_t>(LzhFindMatches(Finder, LzhMatchesAt(Table, pos)));
}
