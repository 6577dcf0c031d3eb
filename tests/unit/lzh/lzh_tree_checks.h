// Checks on the decoder's code tree for the tests: codes found by walking down from the root
// (independently of the parent table), and the tree's invariants.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lzh/lzh_decoder.h"

// The path from the root to the leaf of Symbol, found through the child table only.
inline bool FindCode(unsigned Node, unsigned Symbol, std::string& Path) {
    const unsigned c = LzhChild[Node];
    if (c >= LzhNodeCount) return c - LzhNodeCount == Symbol;
    for (unsigned bit = 0; bit < 2; ++bit) {
        Path.push_back(static_cast<char>('0' + bit));
        if (FindCode(c + bit, Symbol, Path)) return true;
        Path.pop_back();
    }
    return false;
}

inline std::string CodeOf(unsigned Symbol) {
    std::string path;
    EXPECT_TRUE(FindCode(LzhRootPos, Symbol, path)) << "symbol " << Symbol << " not in the tree";
    return path;
}

inline std::vector<std::string> AllCodes() {
    std::vector<std::string> codes;
    for (unsigned s = 0; s < LzhSymbolCount; ++s) codes.push_back(CodeOf(s));
    return codes;
}

// Every invariant of the tree; returns a description of the first one broken, or "".
inline std::string TreeFault() {
    if (LzhFreq[LzhNodeCount] != 0xFFFF) return "sentinel changed";
    if (LzhParent[LzhRootPos] != 0) return "root's parent entry is not 0";
    std::vector<int> leafSeen(LzhSymbolCount, 0);
    unsigned long leafSum = 0;
    for (unsigned p = 0; p < LzhNodeCount; ++p) {
        const std::string at = " at " + std::to_string(p);
        if (p + 1 < LzhNodeCount && LzhFreq[p] > LzhFreq[p + 1]) return "counts decrease" + at;
        if (LzhFreq[p] > 0x8000) return "count above 0x8000" + at;
        const unsigned c = LzhChild[p];
        if (c >= LzhNodeCount) {
            const unsigned s = c - LzhNodeCount;
            if (s >= LzhSymbolCount) return "bad leaf mark" + at;
            ++leafSeen[s];
            if (LzhParent[LzhNodeCount + s] != p) return "leaf entry does not point at its leaf" + at;
            if (LzhFreq[p] < 1) return "leaf count 0" + at;
            leafSum += LzhFreq[p];
        } else {
            if (c % 2 != 0 || c + 1 >= p) return "first child not even or not below" + at;
            if (LzhParent[c] != p || LzhParent[c + 1] != p) return "children do not point back" + at;
            if (LzhFreq[p] != LzhFreq[c] + LzhFreq[c + 1]) return "count is not the children's sum" + at;
        }
    }
    for (unsigned s = 0; s < LzhSymbolCount; ++s)
        if (leafSeen[s] != 1) return "symbol " + std::to_string(s) + " has " + std::to_string(leafSeen[s]) + " leaves";
    if (LzhFreq[LzhRootPos] != leafSum) return "root count is not the sum of the leaves";
    return "";
}
