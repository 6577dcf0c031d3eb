// The decoder run over an in-memory archive: exact output length, and the end-of-input tracking
// that verify and unpack rely on to tell a complete archive from a cut one.
#include <gtest/gtest.h>

#include <random>

#include "lzh/lzh_encoder.h"
#include "mkdist_test_support.h"
#include "stream_decoder.h"

namespace {

std::vector<uint8_t> Sample(size_t Size, uint32_t Seed) {
    // Alternating stretches of text and noise, so both literals and matches occur.
    std::vector<uint8_t> bytes;
    uint32_t part = 0;
    while (bytes.size() < Size) {
        const std::vector<uint8_t> piece = (part % 2) ? RandomBytes(300, Seed + part) : TextBytes(900, Seed + part);
        bytes.insert(bytes.end(), piece.begin(), piece.end());
        ++part;
    }
    bytes.resize(Size);
    return bytes;
}

TEST(StreamDecoder, CompleteArchivesNeverCountAsEndingEarly) {
    std::mt19937 random(4242);
    for (int round = 0; round < 60; ++round) {
        const size_t size = 1 + random() % 20000;
        const std::vector<uint8_t> data = Sample(size, uint32_t(round));
        const std::vector<uint8_t> archive = LzhPack(data.data(), data.size());
        const TDecodeResult decoded = DecodeStream(archive.data(), archive.size(), int32_t(size));
        ASSERT_EQ(decoded.Bytes, data) << "size " << size;
        EXPECT_LE(decoded.ReadsPastEnd, 1u) << "size " << size;
        EXPECT_FALSE(decoded.ArchiveEndedEarly()) << "size " << size;
    }
}

TEST(StreamDecoder, ArchivesCutByAFewBytesEndEarly) {
    const std::vector<uint8_t> data = Sample(30000, 7);
    const std::vector<uint8_t> archive = LzhPack(data.data(), data.size());
    for (size_t cut : {size_t(3), size_t(16), archive.size() / 2, archive.size()}) {
        const TDecodeResult decoded = DecodeStream(archive.data(), archive.size() - cut, int32_t(data.size()));
        EXPECT_TRUE(decoded.ArchiveEndedEarly()) << "cut " << cut;
        EXPECT_EQ(decoded.Bytes.size(), data.size()) << "the length is kept even from zero bits";
    }
}

TEST(StreamDecoder, ArchiveOfZerosStaysWithinTheExpansionBound) {
    // Long runs give the best ratio this code reaches; the bound must still hold with room.
    const std::vector<uint8_t> zeros(400000, 0);
    const std::vector<uint8_t> archive = LzhPack(zeros.data(), zeros.size());
    EXPECT_TRUE(ArchiveCouldHold(archive.size(), int64_t(zeros.size())));
    EXPECT_LT(zeros.size(), archive.size() * 48 + 48);
    EXPECT_FALSE(ArchiveCouldHold(archive.size(), int64_t(archive.size() + 2) * 64 + 1));
}

TEST(StreamDecoder, OutputIsCutToTheRequestedLength) {
    // With no input at all the decoder reads zero bits: the literal 't', then a 60-byte match of
    // it, 61 bytes for a request of 20.
    const TDecodeResult decoded = DecodeStream(nullptr, 0, 20);
    EXPECT_EQ(decoded.Bytes, std::vector<uint8_t>(20, 't'));
    EXPECT_TRUE(decoded.ArchiveEndedEarly());
}

TEST(StreamDecoder, NothingRequestedReadsNothing) {
    const uint8_t archive[] = {0xFF, 0x00};
    const TDecodeResult decoded = DecodeStream(archive, sizeof archive, 0);
    EXPECT_TRUE(decoded.Bytes.empty());
    EXPECT_EQ(decoded.ArchiveBytesRead, 0u);
    EXPECT_EQ(decoded.ReadsPastEnd, 0u);
}

TEST(StreamDecoder, ProgressReportsReachTheEnd) {
    const std::vector<uint8_t> data = Sample(200000, 3);
    const std::vector<uint8_t> archive = LzhPack(data.data(), data.size());
    std::vector<uint64_t> reports;
    DecodeStream(archive.data(), archive.size(), int32_t(data.size()), [&](uint64_t done) { reports.push_back(done); });
    ASSERT_GE(reports.size(), 3u);
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
    EXPECT_EQ(reports.back(), data.size());
}

}  // namespace
