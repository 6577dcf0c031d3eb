// Packing then unpacking gives back the input, for inputs of many kinds and sizes.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "lzh/lzh_decoder.h"
#include "lzh/lzh_encoder.h"
#include "lzh_test_data.h"
#include "lzh_test_streams.h"

namespace {

// Packs Data, unpacks it with TotalBytes = its size and expects exactly the input back,
// with no byte beyond it.
void ExpectRoundTrip(const std::vector<uint8_t>& Data) {
    const std::vector<uint8_t> packed = LzhPack(Data.data(), Data.size());
    const std::vector<uint8_t> unpacked = UnpackBytes(packed, static_cast<int32_t>(Data.size()));
    ASSERT_EQ(unpacked.size(), Data.size());
    EXPECT_TRUE(unpacked == Data);
    EXPECT_FALSE(LzhTablesHeld());
}

struct TRoundTripCase {
    const char* Name;
    std::vector<uint8_t> (*Make)();
};

std::vector<uint8_t> Bytes(std::initializer_list<int> List) {
    return std::vector<uint8_t>(List.begin(), List.end());
}

const TRoundTripCase RoundTripCases[] = {
    {"Empty", [] { return std::vector<uint8_t>{}; }},
    {"OneByte", [] { return Bytes({0x41}); }},
    {"OneSpace", [] { return Bytes({' '}); }},
    {"TwoBytes", [] { return Bytes({0, 255}); }},
    {"ThreeEqual", [] { return Bytes({7, 7, 7}); }},
    {"Tiny", [] { return std::vector<uint8_t>{'a', 'b', 'r', 'a', 'c', 'a', 'd', 'a', 'b', 'r', 'a'}; }},
    {"LeadingSpaces", [] { return std::vector<uint8_t>(100, ' '); }},
    {"SpacesThenText", [] {
         std::vector<uint8_t> d(70, ' ');
         auto t = TextBytes(500, 3);
         d.insert(d.end(), t.begin(), t.end());
         return d;
     }},
    {"AllByteValues", [] {
         std::vector<uint8_t> d;
         for (int r = 0; r < 20; ++r)
             for (int b = 0; b < 256; ++b) d.push_back(static_cast<uint8_t>(r % 2 ? 255 - b : b));
         return d;
     }},
    {"Random64K", [] { return RandomBytes(64 * 1024, 11); }},
    {"Zeros200K", [] { return std::vector<uint8_t>(200 * 1024, 0); }},
    {"ShortPeriod", [] {
         std::vector<uint8_t> d(150 * 1024);
         for (size_t i = 0; i < d.size(); ++i) d[i] = static_cast<uint8_t>("xyzzy!"[i % 6]);
         return d;
     }},
    {"PeriodNearWindow", [] {  // repeats at distances around the window size
         auto unit = RandomBytes(4095, 5);
         std::vector<uint8_t> d;
         for (int r = 0; r < 12; ++r) {
             d.insert(d.end(), unit.begin(), unit.end());
             d.push_back(static_cast<uint8_t>(r));
         }
         return d;
     }},
    {"Text300K", [] { return TextBytes(300 * 1024, 21); }},
    {"MachineCode300K", [] { return MachineCodeBytes(300 * 1024, 22); }},
};

void PrintTo(const TRoundTripCase& Case, std::ostream* Out) { *Out << Case.Name; }

class RoundTrip : public testing::TestWithParam<TRoundTripCase> {};

TEST_P(RoundTrip, GivesBackTheInput) { ExpectRoundTrip(GetParam().Make()); }

INSTANTIATE_TEST_SUITE_P(Inputs, RoundTrip, testing::ValuesIn(RoundTripCases),
                         [](const testing::TestParamInfo<TRoundTripCase>& Info) {
                             return std::string(Info.param.Name);
                         });

TEST(RoundTrip, EveryLengthUpTo300) {
    const auto source = MixedBytes(300, 31);
    for (size_t size = 0; size <= source.size(); ++size) {
        SCOPED_TRACE(size);
        ExpectRoundTrip(std::vector<uint8_t>(source.begin(), source.begin() + size));
    }
}

TEST(RoundTrip, RealExecutable) {
    std::ifstream file("/bin/ls", std::ios::binary);
    if (!file) GTEST_SKIP() << "/bin/ls is not readable here";
    std::vector<uint8_t> data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(data.size(), 1000u);
    ExpectRoundTrip(data);
}

// Several megabytes: dozens of tree rebuilds on both sides, and the window wrapping many times.
TEST(RoundTrip, SeveralMegabytesOfMixedData) {
    const auto data = MixedBytes(3 * 1024 * 1024, 41);
    const std::vector<uint8_t> packed = LzhPack(data.data(), data.size());
    EXPECT_LT(packed.size(), data.size() / 2);
    const std::vector<uint8_t> unpacked = UnpackBytes(packed, static_cast<int32_t>(data.size()));
    ASSERT_EQ(unpacked.size(), data.size());
    EXPECT_TRUE(unpacked == data);
}

TEST(RoundTrip, ProgressIsReportedInOrderAndEndsAtTheTotal) {
    const auto data = TextBytes(300 * 1024, 51);
    std::vector<size_t> reports;
    LzhPack(data.data(), data.size(), [&](size_t Done, size_t Total) {
        EXPECT_EQ(Total, data.size());
        reports.push_back(Done);
    });
    ASSERT_GE(reports.size(), 4u);  // every 64 KiB or so, then the end
    for (size_t i = 1; i < reports.size(); ++i) EXPECT_GT(reports[i], reports[i - 1]);
    EXPECT_EQ(reports.back(), data.size());
}

// The encoder's model is its own: packing while an unpack is in progress changes nothing.
TEST(RoundTrip, PackingInsideAnUnpackLeavesTheDecoderAlone) {
    const auto data = TextBytes(20000, 61);
    const auto packed = LzhPack(data.data(), data.size());
    ResetTestStreams(packed);
    const auto other = RandomBytes(5000, 62);
    size_t packs = 0;
    TestStreams.OnSink = [&] {
        if (TestStreams.Output.size() % 4000 == 0) {
            ++packs;
            EXPECT_FALSE(LzhPack(other.data(), other.size()).empty());
        }
    };
    LzhUnpack(static_cast<int32_t>(data.size()), TestSource, TestSink);
    EXPECT_GE(packs, 4u);
    EXPECT_TRUE(TestStreams.Output == data);
}

// Decodes a packed stream token by token with the decoder's own operations, but with a window
// that knows which positions were written: the encoder may use the initial spaces, never the
// 60 positions past them before they are written (their start value is not part of the format).
TEST(RoundTrip, MatchesNeverReadUnwrittenWindowPositions) {
    std::vector<uint8_t> data(300, 0);  // zeros first: the bytes an unwritten position might hold
    const auto text = TextBytes(3000, 71);
    data.insert(data.end(), text.begin(), text.end());
    data.insert(data.end(), 200, ' ');
    const auto packed = LzhPack(data.data(), data.size());

    ResetTestStreams(packed);
    LzhAllocTables();
    LzhStartModel();
    std::vector<int> window(LzhWindowSize, ' ');  // -1: never written
    std::fill(window.begin() + LzhStartPos, window.end(), -1);
    unsigned w = LzhStartPos;
    std::vector<uint8_t> out;
    while (out.size() < data.size()) {
        const unsigned s = LzhDecodeSymbol(TestSource);
        unsigned q = w, n = 1;
        int literal = static_cast<int>(s);
        if (s >= 256) {
            const unsigned p = LzhDecodePosition(TestSource);
            q = (w - p - 1) & LzhWindowMask;
            n = s - LzhMatchSymbolBias;
            literal = -1;
        }
        for (unsigned k = 0; k < n; ++k) {
            const int x = literal >= 0 ? literal : window[(q + k) & LzhWindowMask];
            ASSERT_GE(x, 0) << "unwritten position read at output byte " << out.size();
            out.push_back(static_cast<uint8_t>(x));
            window[w] = x;
            w = (w + 1) & LzhWindowMask;
        }
    }
    LzhFreeTables();
    EXPECT_TRUE(out == data);
}

TEST(RoundTrip, LeadingSpacesAreCopiedFromTheInitialWindow) {
    // 60 spaces are one match (8-bit symbol + 9-bit position), 'x' one literal (9 bits).
    std::vector<uint8_t> data(60, ' ');
    data.push_back('x');
    const auto packed = LzhPack(data.data(), data.size());
    EXPECT_LE(packed.size(), 4u);
    EXPECT_TRUE(UnpackBytes(packed, 61) == data);
}

}  // namespace
