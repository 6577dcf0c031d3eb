// The adaptive code tree: the initial code, counting with exchanges, rebuilds, invariants.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "lzh/lzh_decoder.h"
#include "lzh_test_bits.h"
#include "lzh_test_streams.h"
#include "lzh_tree_checks.h"

namespace {

// Holds the decoder's tables for one test, with the tree started.
class Model : public testing::Test {
protected:
    void SetUp() override {
        LzhAllocTables();
        LzhStartModel();
    }
    void TearDown() override { LzhFreeTables(); }
};

TEST_F(Model, StartCodesAreEightBitsFrom116AndNineBitsBelow) {
    EXPECT_EQ(CodeOf(116), "00000000");
    EXPECT_EQ(CodeOf(313), "11000101");
    EXPECT_EQ(CodeOf(0), "110001100");
    EXPECT_EQ(CodeOf(115), "111111111");
    for (unsigned s = 0; s < LzhSymbolCount; ++s) {
        const std::string expected = s >= 116 ? BitString(s - 116, 8) : BitString(396 + s, 9);
        EXPECT_EQ(CodeOf(s), expected) << "symbol " << s;
    }
    EXPECT_EQ(LzhFreq[LzhRootPos], 314);
    EXPECT_EQ(TreeFault(), "");
}

// Counting a symbol once swaps its leaf with the highest leaf of count 1 (symbol 313 at the
// start); the two trade codes and every other code stays.
struct TFirstCountCase {
    unsigned Symbol;
    const char* CodeAfter;
    const char* Code313After;
};

void PrintTo(const TFirstCountCase& Case, std::ostream* Out) { *Out << "symbol " << Case.Symbol; }

class FirstCount : public Model, public testing::WithParamInterface<TFirstCountCase> {};

TEST_P(FirstCount, TradesPlacesWithSymbol313) {
    const TFirstCountCase& c = GetParam();
    const std::vector<std::string> before = AllCodes();
    LzhUpdateModel(c.Symbol);
    EXPECT_EQ(CodeOf(c.Symbol), c.CodeAfter);
    EXPECT_EQ(CodeOf(313), c.Code313After);
    const std::vector<std::string> after = AllCodes();
    for (unsigned s = 0; s < 313; ++s)
        if (s != c.Symbol) {
            EXPECT_EQ(after[s], before[s]) << "symbol " << s;
        }
    EXPECT_EQ(LzhFreq[LzhRootPos], 315);
    EXPECT_EQ(TreeFault(), "");
}

INSTANTIATE_TEST_SUITE_P(Symbols, FirstCount,
                         testing::Values(TFirstCountCase{116, "11000101", "00000000"},   // 't'
                                         TFirstCountCase{97, "11000101", "111101101"}));  // 'a'

TEST_F(Model, DecodingASymbolWalksTheOldTreeThenCountsIt) {
    // With all-zero input the first symbol is 't'; then the same bits give symbol 313.
    ResetTestStreams({});
    LzhBitBuffer = 0;
    LzhBitCount = 0;
    EXPECT_EQ(LzhDecodeSymbol(TestSource), 116u);
    EXPECT_EQ(LzhDecodeSymbol(TestSource), 313u);
    EXPECT_EQ(LzhFreq[LzhRootPos], 316);
}

// A plain model of the tree, written for clarity rather than speed: the tables in vectors,
// the exchange partner and the rebuild's insertion point found with binary searches, and the
// parent table recomputed from the child table after every change.
struct TReferenceTree {
    std::vector<unsigned> Freq, Child, Parent;

    TReferenceTree() : Freq(LzhFreqEntries), Child(LzhChildEntries), Parent(LzhParentEntries) {
        for (unsigned s = 0; s < LzhSymbolCount; ++s) {
            Freq[s] = 1;
            Child[s] = LzhNodeCount + s;
        }
        for (unsigned p = LzhSymbolCount, j = 0; p < LzhNodeCount; ++p, j += 2) {
            Freq[p] = Freq[j] + Freq[j + 1];
            Child[p] = j;
        }
        Freq[LzhNodeCount] = 0xFFFF;
        Relink();
    }

    void Relink() {
        for (unsigned p = 0; p < LzhNodeCount; ++p) {
            Parent[Child[p]] = p;
            if (Child[p] < LzhNodeCount) Parent[Child[p] + 1] = p;
        }
        Parent[LzhRootPos] = 0;
    }

    void Rebuild() {
        std::vector<unsigned> freq, child;
        for (unsigned p = 0; p < LzhNodeCount; ++p)
            if (Child[p] >= LzhNodeCount) {
                freq.push_back((Freq[p] + 1) / 2);
                child.push_back(Child[p]);
            }
        for (unsigned j = 0; freq.size() < LzhNodeCount; j += 2) {
            const unsigned f = freq[j] + freq[j + 1];
            const size_t at = std::upper_bound(freq.begin(), freq.end(), f) - freq.begin();
            freq.insert(freq.begin() + static_cast<long>(at), f);
            child.insert(child.begin() + static_cast<long>(at), j);
        }
        std::copy(freq.begin(), freq.end(), Freq.begin());
        std::copy(child.begin(), child.end(), Child.begin());
        Relink();
    }

    void Count(unsigned Symbol) {
        if (Freq[LzhRootPos] == 0x8000) Rebuild();
        unsigned p = Parent[LzhNodeCount + Symbol];
        while (true) {
            const unsigned k = ++Freq[p];
            // Highest position above p whose count is still below k.
            const unsigned l = static_cast<unsigned>(
                std::upper_bound(Freq.begin() + p + 1, Freq.end(), k - 1) - Freq.begin() - 1);
            if (l > p) {
                std::swap(Freq[p], Freq[l]);
                std::swap(Child[p], Child[l]);
                Relink();
                p = l;
            }
            if (p == LzhRootPos) break;
            p = Parent[p];
        }
    }
};

// Compares the decoder's tables with the reference, entry by entry.
::testing::AssertionResult SameAsReference(const TReferenceTree& Ref) {
    for (unsigned p = 0; p < LzhFreqEntries; ++p)
        if (LzhFreq[p] != Ref.Freq[p]) return testing::AssertionFailure() << "count differs at " << p;
    for (unsigned p = 0; p < LzhChildEntries; ++p)
        if (LzhChild[p] != Ref.Child[p]) return testing::AssertionFailure() << "child differs at " << p;
    for (unsigned p = 0; p < LzhParentEntries; ++p)
        if (LzhParent[p] != Ref.Parent[p]) return testing::AssertionFailure() << "parent differs at " << p;
    return testing::AssertionSuccess();
}

// A skewed symbol stream: a few symbols very often, the rest now and then, with the favourites
// changing over time so that leaves keep climbing and falling.
std::vector<unsigned> SkewedSymbols(size_t Count, uint32_t Seed) {
    std::mt19937 rng(Seed);
    std::vector<unsigned> symbols(Count);
    for (size_t i = 0; i < Count; ++i) {
        const unsigned phase = static_cast<unsigned>(i / 20000);
        const unsigned r = rng() % 100;
        symbols[i] = r < 60 ? (phase * 37 + rng() % 8) % LzhSymbolCount
                   : r < 90 ? (phase * 11 + rng() % 40) % LzhSymbolCount
                            : rng() % LzhSymbolCount;
    }
    return symbols;
}

TEST_F(Model, FirstRebuildComesWithThe32455thSymbol) {
    TReferenceTree ref;
    const auto symbols = SkewedSymbols(32455, 7);
    for (size_t i = 0; i < 32454; ++i) {
        LzhUpdateModel(symbols[i]);
        ref.Count(symbols[i]);
    }
    EXPECT_EQ(LzhFreq[LzhRootPos], 0x8000);  // full, but not yet rebuilt
    ASSERT_TRUE(SameAsReference(ref));
    ASSERT_EQ(TreeFault(), "");

    // The halved sum the rebuild must give, from the leaves as they stand.
    unsigned halved = 0;
    for (unsigned p = 0; p < LzhNodeCount; ++p)
        if (LzhChild[p] >= LzhNodeCount) halved += (LzhFreq[p] + 1u) / 2u;

    LzhUpdateModel(symbols[32454]);
    ref.Count(symbols[32454]);
    EXPECT_EQ(LzhFreq[LzhRootPos], halved + 1);  // rebuilt, then the symbol counted
    EXPECT_TRUE(SameAsReference(ref));
    EXPECT_EQ(TreeFault(), "");
}

TEST_F(Model, MatchesTheReferenceThroughManyRebuilds) {
    TReferenceTree ref;
    const auto symbols = SkewedSymbols(150000, 8);
    unsigned rebuilds = 0;
    for (size_t i = 0; i < symbols.size(); ++i) {
        const bool full = LzhFreq[LzhRootPos] == 0x8000;
        rebuilds += full;
        LzhUpdateModel(symbols[i]);
        ref.Count(symbols[i]);
        if (full || i % 997 == 0) {
            ASSERT_TRUE(SameAsReference(ref)) << "after symbol " << i;
            ASSERT_EQ(TreeFault(), "") << "after symbol " << i;
        }
    }
    EXPECT_GE(rebuilds, 5u);
    EXPECT_TRUE(SameAsReference(ref));
}

TEST_F(Model, InvariantsHoldAfterEveryUpdate) {
    std::mt19937 rng(9);
    for (int i = 0; i < 40000; ++i) {
        // Mostly a few symbols, so that counts climb far and rebuilds come.
        const unsigned s = rng() % 4 != 0 ? 256 + rng() % 3 : rng() % LzhSymbolCount;
        LzhUpdateModel(s);
        ASSERT_LE(LzhFreq[LzhRootPos], 0x8000);
        if (i % 50 == 0 || LzhFreq[LzhRootPos] == 0x8000) {
            ASSERT_EQ(TreeFault(), "") << "after " << i;
        }
    }
    EXPECT_EQ(TreeFault(), "");
}

TEST_F(Model, ALeafCountedOnceKeepsCountOneThroughRebuilds) {
    LzhUpdateModel(5);  // then never again
    for (int i = 0; i < 100000; ++i) LzhUpdateModel(200 + i % 7);
    const unsigned leaf = LzhParent[LzhNodeCount + 5];
    EXPECT_EQ(LzhFreq[leaf], 1);  // 2 halves to 1, and 1 stays 1
    const unsigned untouched = LzhParent[LzhNodeCount + 6];
    EXPECT_EQ(LzhFreq[untouched], 1);
    EXPECT_EQ(TreeFault(), "");
}

TEST_F(Model, RebuildOfTheStartTreeKeepsItsCodes) {
    // Every leaf has count 1, which halves to 1: the same tree comes back.
    const auto before = AllCodes();
    LzhRebuildModel();
    EXPECT_EQ(AllCodes(), before);
    EXPECT_EQ(LzhFreq[LzhRootPos], 314);
    EXPECT_EQ(TreeFault(), "");
}

}  // namespace
