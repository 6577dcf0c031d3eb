// The unpack operation: hand-made streams, the window and its initial spaces, the stop tests,
// the overshoot of a final match and the traffic with the source and sink.
#include <gtest/gtest.h>

#include <string>

#include "lzh/lzh_decoder.h"
#include "lzh_test_bits.h"
#include "lzh_test_streams.h"
#include "lzh_test_token_stream.h"

namespace {

std::vector<uint8_t> Repeat(uint8_t Byte, size_t Count) { return std::vector<uint8_t>(Count, Byte); }

TEST(Unpack, E680IsTheLetterA) {
    // 111001101: symbol 65 ('A') in the start tree (9-bit code 396 + 65); the rest is padding.
    EXPECT_EQ(UnpackBytes({0xE6, 0x80}, 1), Repeat('A', 1));
    EXPECT_EQ(TestStreams.SourceCalls, 3u);  // two at the first refill, one for the ninth bit
}

TEST(Unpack, F6C80000IsEightLettersA) {
    const auto stream = BitsToBytes({
        "111101101",  // literal 'a' (97): 9-bit code 396 + 97 in the start tree
        "10010000",   // symbol 260, a match of 7: after 'a' was counted, codes from 116 are unchanged
        "000",        // position high bits 0
        "000000",     // position low bits: P = 0, the byte just written
    });
    ASSERT_EQ(stream, (std::vector<uint8_t>{0xF6, 0xC8, 0x00, 0x00}));
    EXPECT_EQ(UnpackBytes(stream, 8), Repeat('a', 8));
}

TEST(Unpack, ASourceWithNothingGivesAnOvershootingMatchOfT) {
    // All zero bits: 00000000 is 't' in the start tree; after counting it, 00000000 is symbol 313,
    // a match of 60, and 000000000 is P = 0. The match starts with 1 of 20 bytes out and is
    // produced whole.
    EXPECT_EQ(UnpackBytes({}, 20), Repeat('t', 61));
}

TEST(Unpack, AStreamThatEndsExactlyGivesExactlyTheCount) {
    TTokenStream s;
    s.Literal('x');
    s.Match(10, 0);
    s.Literal('y');
    EXPECT_EQ(UnpackBytes(s.Bytes(), 12), std::vector<uint8_t>({'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'y'}));
}

TEST(Unpack, OverlappingMatchRepeatsTheBytesItProduces) {
    TTokenStream s;
    s.Literal('a');
    s.Literal('b');
    s.Literal('c');
    s.Match(8, 2);   // three back: "abc" repeated
    s.Match(5, 0);   // one back: the last byte five times
    const std::string expected = "abcabcabcab" "bbbbb";
    EXPECT_EQ(UnpackBytes(s.Bytes(), 16), std::vector<uint8_t>(expected.begin(), expected.end()));
}

TEST(Unpack, FirstMatchesCopyTheInitialSpaces) {
    for (unsigned p : {0u, 1u, 59u, 60u, 1000u, 4035u}) {
        TTokenStream s;
        s.Match(60, p);
        EXPECT_EQ(UnpackBytes(s.Bytes(), 60), Repeat(' ', 60)) << "P = " << p;
    }
}

TEST(Unpack, AMatchReachingFromTheSpacesIntoTheOutput) {
    TTokenStream s;
    s.Literal('q');
    s.Match(4, 2);  // starts two spaces before 'q': " ", " ", "q", then the ' ' just written
    const std::string expected = "q  q ";
    EXPECT_EQ(UnpackBytes(s.Bytes(), 5), std::vector<uint8_t>(expected.begin(), expected.end()));
}

TEST(Unpack, TheUnwrittenEndOfTheWindowReadsAsZeros) {
    // Positions 4036..4095 start as zeros; P = 4095 at the start reads position 4036.
    TTokenStream s;
    s.Match(3, 4095);
    EXPECT_EQ(UnpackBytes(s.Bytes(), 3), Repeat(0, 3));
}

TEST(Unpack, Position4095ReadsTheOldestByteInTheWindow) {
    TTokenStream s;
    std::vector<uint8_t> expected;
    for (unsigned i = 0; i < 4096; ++i) {
        const uint8_t b = static_cast<uint8_t>(i * 7 + i / 256);
        s.Literal(b);
        expected.push_back(b);
    }
    s.Match(5, 4095);  // 4096 back: the first bytes of the output
    expected.insert(expected.end(), expected.begin(), expected.begin() + 5);
    s.Match(3, 0);
    expected.insert(expected.end(), 3, expected.back());
    EXPECT_EQ(UnpackBytes(s.Bytes(), static_cast<int32_t>(expected.size())), expected);
}

TEST(Unpack, NoCountOrAStoppedInstallationDecodesNothing) {
    for (int32_t total : {0, -1, INT32_MIN}) {
        ResetTestStreams({0x12, 0x34});
        LzhUnpack(total, TestSource, TestSink);
        EXPECT_EQ(TestStreams.SourceCalls, 0u) << total;
        EXPECT_TRUE(TestStreams.Output.empty()) << total;
    }
    ResetTestStreams({0x12, 0x34});
    InstallRunning = 0;
    LzhUnpack(100, TestSource, TestSink);
    EXPECT_EQ(TestStreams.SourceCalls, 0u);
    EXPECT_TRUE(TestStreams.Output.empty());
    EXPECT_FALSE(LzhTablesHeld());
}

TEST(Unpack, SinkGetsOneByteAtATime) {
    UnpackBytes({}, 500);
    EXPECT_EQ(TestStreams.SinkCallsWithOtherCount, 0u);
    EXPECT_GE(TestStreams.Output.size(), 500u);
}

// Cancelling while a match's codes are read: the match is finished, then the loop stops.
TEST(Unpack, CancellingInsideATokenFinishesTheMatchThenStops) {
    // All zero bits: 't' (source calls 1-2), then the 60-byte match whose symbol code needs
    // the third source call.
    ResetTestStreams({});
    TestStreams.OnSource = [] {
        if (TestStreams.SourceCalls == 3) InstallRunning = 0;
    };
    LzhUnpack(100000, TestSource, TestSink);
    EXPECT_EQ(TestStreams.Output, Repeat('t', 61));
    EXPECT_EQ(InstallRunning, 0);
    EXPECT_FALSE(LzhTablesHeld());
}

TEST(Unpack, CancellingFromTheSinkFinishesTheMatchThenStops) {
    ResetTestStreams({});
    TestStreams.OnSink = [] {
        if (TestStreams.Output.size() == 10) InstallRunning = 0;  // during the match
    };
    LzhUnpack(100000, TestSource, TestSink);
    EXPECT_EQ(TestStreams.Output, Repeat('t', 61));
}

TEST(Unpack, TwoUnpacksOfOneStreamGiveTheSameBytes) {
    TTokenStream s;
    for (int i = 0; i < 3000; ++i) {
        s.Literal(static_cast<uint8_t>("glyphwork "[i % 10]));
        if (i % 50 == 0) s.Match(3 + i % 58, static_cast<unsigned>(i * 37) % 4096);
    }
    const auto stream = s.Bytes();
    const auto first = UnpackBytes(stream, 100000);
    // The first unpack leaves its window, tree and bit reader in a state of its own; the
    // second must start from scratch all the same.
    const auto second = UnpackBytes(stream, 100000);
    EXPECT_EQ(first.size(), second.size());
    EXPECT_TRUE(first == second);
}

}  // namespace
