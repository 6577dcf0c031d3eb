// The bit reader: bit order, refill policy and the reading of missing input as zero bits.
#include <gtest/gtest.h>

#include "lzh/lzh_decoder.h"
#include "lzh_test_streams.h"

namespace {

// Fresh streams and an empty bit buffer, as LzhAllocTables leaves them.
void StartReader(std::vector<uint8_t> Input) {
    ResetTestStreams(std::move(Input));
    LzhBitBuffer = 0;
    LzhBitCount = 0;
}

TEST(BitReader, TakesBitsMostSignificantFirstAndRefillsBelowTheValidBits) {
    StartReader({0xB4, 0x0F, 0xC3});
    // First refill: 0xB4 then 0x0F, 16 bits: 1011 0100 0000 1111.
    EXPECT_EQ(LzhReadBit(TestSource), 1u);
    EXPECT_EQ(TestStreams.SourceCalls, 2u);
    EXPECT_EQ(LzhBitCount, 15);
    // Next 8 bits: 011 0100 0 = 0x68; 7 bits (0001111) remain.
    EXPECT_EQ(LzhReadOctet(TestSource), 0x68u);
    EXPECT_EQ(TestStreams.SourceCalls, 2u);
    EXPECT_EQ(LzhBitCount, 7);
    EXPECT_EQ(LzhBitBuffer, 0x1E00);  // 0001111 in bits 15..9, zeros below
    // 7 bits left: 0xC3 is taken and placed in bits 8..1, directly below them.
    EXPECT_EQ(LzhReadOctet(TestSource), 0x1Fu);
    EXPECT_EQ(TestStreams.SourceCalls, 3u);
    EXPECT_EQ(LzhBitCount, 7);
    EXPECT_EQ(LzhBitBuffer, 0x8600);  // the rest of 0xC3: 1000011, then zeros
}

TEST(BitReader, AsksForAByteOnlyWhenEightOrFewerBitsAreLeft) {
    StartReader({0xFF, 0x00, 0xAA, 0x55});
    for (int k = 0; k < 8; ++k) EXPECT_EQ(LzhReadBit(TestSource), 1u) << k;
    EXPECT_EQ(TestStreams.SourceCalls, 2u);  // 9 bits were still there before each read
    EXPECT_EQ(LzhReadBit(TestSource), 0u);   // 8 bits left: refill first
    EXPECT_EQ(TestStreams.SourceCalls, 3u);
    EXPECT_EQ(LzhBitCount, 15);
}

TEST(BitReader, MissingInputReadsAsZeroBitsForEver) {
    StartReader({0x80});
    EXPECT_EQ(LzhReadBit(TestSource), 1u);
    for (int k = 0; k < 100; ++k) EXPECT_EQ(LzhReadBit(TestSource), 0u);
    EXPECT_EQ(LzhReadOctet(TestSource), 0u);
    EXPECT_GT(TestStreams.SourceCalls, 13u);  // a dry source keeps being asked
}

// A source that reports anything but 1 byte supplies a zero byte, whatever it stored.
void ReportsTwoBytes(void* Buffer, uint16_t, uint16_t& Actual) {
    *static_cast<uint8_t*>(Buffer) = 0xFF;
    Actual = 2;
}
void ReportsNothingButStores(void* Buffer, uint16_t, uint16_t& Actual) {
    *static_cast<uint8_t*>(Buffer) = 0xFF;
    Actual = 0;
}

TEST(BitReader, AnyCountOtherThanOneGivesAZeroByte) {
    for (TLzhReadProc source : {ReportsTwoBytes, ReportsNothingButStores}) {
        LzhBitBuffer = 0;
        LzhBitCount = 0;
        EXPECT_EQ(LzhReadOctet(source), 0u);
        EXPECT_EQ(LzhReadOctet(source), 0u);
    }
}

TEST(BitReader, OctetsAcrossByteBoundariesKeepTheirOrder) {
    // Bits: 1, then the bytes 0x12 0x34 0x56 shifted by one place.
    StartReader({0x89, 0x1A, 0x2B, 0x00});
    EXPECT_EQ(LzhReadBit(TestSource), 1u);
    EXPECT_EQ(LzhReadOctet(TestSource), 0x12u);
    EXPECT_EQ(LzhReadOctet(TestSource), 0x34u);
    EXPECT_EQ(LzhReadOctet(TestSource), 0x56u);
}

}  // namespace
