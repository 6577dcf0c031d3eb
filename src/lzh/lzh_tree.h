// The adaptive code tree of literals and match lengths, as operations on three flat tables.
// The decoder runs them on its own tables (lzh_model.h); the encoder runs them on a private
// copy so that it always holds the tree the decoder will hold. They are inline so that the
// decoder's per-symbol update costs no call.
//
// Tables (positions 0..626, the root at 626):
//   Freq[p]    count of the node at p; Freq[627] is a sentinel 0xFFFF that stops scans.
//   Child[p]   >= 627: p is the leaf of symbol Child[p] - 627; otherwise the position of
//              p's first child (reached by a 0 bit), whose sibling (1 bit) is at Child[p] + 1.
//   Parent[p]  position of p's parent (0 for the root); Parent[627 + s] is the leaf of symbol s.
// Invariants: Freq is non-decreasing from position 0 to 626; siblings sit at an even position
// and the next one; an interior count is the sum of its children; every leaf count is >= 1;
// the root's count is the sum of the leaf counts and never exceeds LzhFreqLimit. Since a parent
// counts strictly more than each child, a parent always sits above its children.
#pragma once

#include <cstdint>
#include <cstring>

#include "lzh/lzh_constants.h"

// Points the parent entries of the node (or leaf) referenced by child entry C at position P.
inline void LzhTreeLinkChild(uint16_t* Parent, unsigned C, unsigned P) {
    Parent[C] = static_cast<uint16_t>(P);
    if (C < LzhNodeCount) Parent[C + 1] = static_cast<uint16_t>(P);
}

// The initial tree: every symbol counted once, leaf of symbol s at position s, interior nodes
// built pairwise from the bottom up.
inline void LzhTreeStart(uint16_t* Freq, uint16_t* Parent, uint16_t* Child) {
    for (unsigned s = 0; s < LzhSymbolCount; ++s) {
        Freq[s] = 1;
        Child[s] = static_cast<uint16_t>(s + LzhNodeCount);
        Parent[LzhNodeCount + s] = static_cast<uint16_t>(s);
    }
    unsigned j = 0;
    for (unsigned p = LzhSymbolCount; p < LzhNodeCount; ++p, j += 2) {
        Freq[p] = static_cast<uint16_t>(Freq[j] + Freq[j + 1]);
        Child[p] = static_cast<uint16_t>(j);
        Parent[j] = Parent[j + 1] = static_cast<uint16_t>(p);
    }
    Freq[LzhNodeCount] = LzhFreqSentinel;
    Parent[LzhRootPos] = 0;
}

// Halves the leaf counts (rounding up, so no leaf drops to 0) and builds the tree anew.
inline void LzhTreeRebuild(uint16_t* Freq, uint16_t* Parent, uint16_t* Child) {
    // Gather the leaves at the bottom, in their present order (so their counts stay sorted).
    unsigned j = 0;
    for (unsigned p = 0; p < LzhNodeCount; ++p) {
        if (Child[p] >= LzhNodeCount) {
            Freq[j] = static_cast<uint16_t>((Freq[p] + 1u) / 2u);
            Child[j] = Child[p];
            ++j;
        }
    }
    // Join the two lowest unjoined entries; the new node goes above all entries of equal count.
    j = 0;
    for (unsigned k = LzhSymbolCount; k < LzhNodeCount; ++k, j += 2) {
        const unsigned f = static_cast<unsigned>(Freq[j]) + Freq[j + 1];
        unsigned l = k - 1;
        while (f < Freq[l]) --l;
        ++l;
        const size_t moved = k - l;
        std::memmove(Freq + l + 1, Freq + l, moved * sizeof *Freq);
        std::memmove(Child + l + 1, Child + l, moved * sizeof *Child);
        Freq[l] = static_cast<uint16_t>(f);
        Child[l] = static_cast<uint16_t>(j);
    }
    for (unsigned p = 0; p < LzhNodeCount; ++p) LzhTreeLinkChild(Parent, Child[p], p);
}

// True when the root count has reached the limit: the next count must rebuild first.
inline bool LzhTreeFull(const uint16_t* Freq) { return Freq[LzhRootPos] == LzhFreqLimit; }

// Counts one occurrence of symbol S (the caller rebuilds first when LzhTreeFull): every node
// from its leaf up to the root gains 1. A node whose count passes that of nodes above it first
// trades places with the highest of them, and the walk goes on from there.
inline void LzhTreeCount(uint16_t* Freq, uint16_t* Parent, uint16_t* Child, unsigned S) {
    unsigned p = Parent[LzhNodeCount + S];
    do {
        const unsigned k = ++Freq[p];
        if (Freq[p + 1] < k) {
            unsigned l = p + 1;
            while (Freq[l] < k) ++l;  // the sentinel stops this at the latest
            --l;
            Freq[p] = Freq[l];
            Freq[l] = static_cast<uint16_t>(k);
            const unsigned i = Child[p];
            LzhTreeLinkChild(Parent, i, l);
            const unsigned c = Child[l];
            Child[l] = static_cast<uint16_t>(i);
            LzhTreeLinkChild(Parent, c, p);
            Child[p] = static_cast<uint16_t>(c);
            p = l;
        }
        p = Parent[p];
    } while (p != 0);  // only the root has parent 0: position 0 always holds a leaf
}
