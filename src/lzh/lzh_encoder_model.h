// The encoder's copy of the adaptive code tree. It runs the same tree operations as the
// decoder (lzh_tree.h) on tables of its own, so encoding and decoding can run side by side.
#pragma once

#include <array>
#include <cstdint>

#include "lzh/lzh_tree.h"

struct TLzhEncoderModel {
    std::array<uint16_t, LzhFreqEntries> Freq;
    std::array<uint16_t, LzhParentEntries> Parent;
    std::array<uint16_t, LzhChildEntries> Child;
};

inline void LzhEncoderModelStart(TLzhEncoderModel& Model) {
    LzhTreeStart(Model.Freq.data(), Model.Parent.data(), Model.Child.data());
}

// Counts symbol S exactly as the decoder does after reading it.
inline void LzhEncoderModelCount(TLzhEncoderModel& Model, unsigned S) {
    if (LzhTreeFull(Model.Freq.data()))
        LzhTreeRebuild(Model.Freq.data(), Model.Parent.data(), Model.Child.data());
    LzhTreeCount(Model.Freq.data(), Model.Parent.data(), Model.Child.data(), S);
}

struct TLzhSymbolCode {
    uint32_t Bits;    // the path from the root, first step in the highest of Length bits
    unsigned Length;  // at most about 22: a deeper leaf would need a root count above 0x8000
};

// The code of symbol S in the present tree: walks from its leaf up to the root. A node at an
// odd position is a second child (bit 1), at an even one a first child (bit 0).
inline TLzhSymbolCode LzhEncoderModelCode(const TLzhEncoderModel& Model, unsigned S) {
    TLzhSymbolCode code{0, 0};
    unsigned p = Model.Parent[LzhNodeCount + S];
    while (p != LzhRootPos) {
        code.Bits |= static_cast<uint32_t>(p & 1u) << code.Length;
        ++code.Length;
        p = Model.Parent[p];
    }
    return code;
}

// The code length of every symbol in the present tree. Parents sit above their children, so
// one pass from the root downwards finds every depth.
inline void LzhEncoderModelCodeLengths(const TLzhEncoderModel& Model,
                                       std::array<uint8_t, LzhSymbolCount>& Lengths) {
    std::array<uint8_t, LzhNodeCount> depth;
    depth[LzhRootPos] = 0;
    for (int p = LzhRootPos - 1; p >= 0; --p)
        depth[p] = static_cast<uint8_t>(depth[Model.Parent[p]] + 1);
    for (unsigned s = 0; s < LzhSymbolCount; ++s) Lengths[s] = depth[Model.Parent[LzhNodeCount + s]];
}
