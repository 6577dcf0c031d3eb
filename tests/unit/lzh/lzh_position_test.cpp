// Match positions: the two prefix tables and the decoding of whole position codes.
#include <gtest/gtest.h>

#include "lzh/lzh_decoder.h"
#include "lzh_test_bits.h"
#include "lzh_test_streams.h"

namespace {

// The tables, entry by entry, against the ranges of byte values that each code length owns.
TEST(PositionTables, FollowTheRangesOfEachCodeLength) {
    struct TRange {
        unsigned First, Last, Length, FirstHigh, BytesPerHigh;
    };
    const TRange ranges[] = {{0x00, 0x1F, 3, 0, 32},  {0x20, 0x4F, 4, 1, 16}, {0x50, 0x8F, 5, 4, 8},
                             {0x90, 0xBF, 6, 12, 4},  {0xC0, 0xEF, 7, 24, 2}, {0xF0, 0xFF, 8, 48, 1}};
    unsigned covered = 0;
    for (const TRange& r : ranges) {
        for (unsigned b = r.First; b <= r.Last; ++b, ++covered) {
            EXPECT_EQ(LzhPositionHigh[b], r.FirstHigh + (b - r.First) / r.BytesPerHigh) << "byte " << b;
            EXPECT_EQ(LzhPositionCodeLen[b], r.Length) << "byte " << b;
        }
    }
    EXPECT_EQ(covered, 256u);
}

// Reads one position code from Bits, and how many bits it took.
struct TDecoded {
    unsigned Position;
    unsigned BitsUsed;
};

TDecoded DecodePosition(const std::string& Bits) {
    ResetTestStreams(BitsToBytes({Bits.c_str()}));
    LzhBitBuffer = 0;
    LzhBitCount = 0;
    const unsigned position = LzhDecodePosition(TestSource);
    const unsigned bitsTaken = static_cast<unsigned>(TestStreams.SourceCalls) * 8 - LzhBitCount;
    return {position, bitsTaken};
}

struct TPositionCase {
    unsigned Position;
    const char* Code;
};

void PrintTo(const TPositionCase& Case, std::ostream* Out) { *Out << "P = " << Case.Position; }

class PositionCode : public testing::TestWithParam<TPositionCase> {};

TEST_P(PositionCode, DecodesToItsPositionUsingExactlyItsBits) {
    const TDecoded decoded = DecodePosition(GetParam().Code);
    EXPECT_EQ(decoded.Position, GetParam().Position);
    EXPECT_EQ(decoded.BitsUsed, std::string(GetParam().Code).size());
}

INSTANTIATE_TEST_SUITE_P(Examples, PositionCode,
                         testing::Values(TPositionCase{0, "000" "000000"},           // high 0: 000
                                         TPositionCase{63, "000" "111111"},
                                         TPositionCase{64, "0010" "000000"},         // high 1: 0010
                                         TPositionCase{65, "0010" "000001"},
                                         TPositionCase{1000, "100111" "101000"},     // high 15: 100111
                                         TPositionCase{4095, "11111111" "111111"}));  // high 63

// Every position, coded with the encoder's prefix codes, reads back as itself.
TEST(PositionCode, EveryPositionRoundTrips) {
    for (unsigned p = 0; p < 4096; ++p) {
        const TLzhPrefixCode prefix = LzhPositionPrefixCodes[p >> 6];
        const std::string code = BitString(prefix.Code, prefix.Length) + BitString(p & 63, 6);
        const TDecoded decoded = DecodePosition(code);
        ASSERT_EQ(decoded.Position, p);
        ASSERT_EQ(decoded.BitsUsed, code.size()) << "position " << p;
        ASSERT_GE(code.size(), 9u);
        ASSERT_LE(code.size(), 14u);
    }
}

// The prefix codes are consecutive within a length and grow by one bit at each step of length:
// the documented first and last codes of each length.
TEST(PositionCode, PrefixCodesOfTheHighBits) {
    const struct {
        unsigned High;
        const char* Prefix;
    } cases[] = {{0, "000"},      {1, "0010"},     {3, "0100"},       {4, "01010"},
                 {11, "10001"},   {12, "100100"},  {23, "101111"},    {24, "1100000"},
                 {47, "1110111"}, {48, "11110000"}, {63, "11111111"}};
    for (const auto& c : cases) {
        const TLzhPrefixCode prefix = LzhPositionPrefixCodes[c.High];
        EXPECT_EQ(BitString(prefix.Code, prefix.Length), c.Prefix) << "high " << c.High;
    }
}

}  // namespace
