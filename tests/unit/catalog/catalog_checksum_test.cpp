// CRC-32 and the checksum block in front of the catalogue.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "catalog/checksum_block.h"
#include "catalog/crc32.h"
#include "rtl/exception.h"

namespace {

uint32_t CrcOf(const std::string& Text) {
    return Crc32(reinterpret_cast<const uint8_t*>(Text.data()), Text.size());
}

TEST(Crc32, MatchesTheKnownCheckValues) {
    EXPECT_EQ(CrcOf(""), 0x00000000u);
    EXPECT_EQ(CrcOf("a"), 0xE8B7BE43u);
    EXPECT_EQ(CrcOf("123456789"), 0xCBF43926u);
    EXPECT_EQ(CrcOf("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
}

TEST(Crc32, PiecesGiveTheSameResultAsTheWhole) {
    std::mt19937 random(99);
    std::vector<uint8_t> data(5000);
    for (uint8_t& b : data) b = uint8_t(random());
    const uint32_t whole = Crc32(data.data(), data.size());
    for (size_t cut : {size_t(0), size_t(1), size_t(2048), size_t(4999), size_t(5000)}) {
        EXPECT_EQ(Crc32(data.data() + cut, data.size() - cut, Crc32(data.data(), cut)), whole) << "cut at " << cut;
    }
}

TDistributionChecksums TwoVolumes() {
    TDistributionChecksums sums;
    sums.Volumes = {{1457664, 0x11223344u}, {5, 0xCAFEBABEu}};
    sums.DecodedLength = 4168029;
    sums.DecodedCrc = 0x89ABCDEFu;
    return sums;
}

TEST(ChecksumBlock, EncodesTheDocumentedLayout) {
    TDistributionChecksums sums;
    sums.Volumes = {{0x01020304u, 0xA1A2A3A4u}};
    sums.DecodedLength = 0x0B0C0D0Eu;
    sums.DecodedCrc = 0xB1B2B3B4u;
    const std::vector<uint8_t> block = EncodeChecksumBlock(sums);
    ASSERT_EQ(block.size(), 33u);
    const uint8_t expectedStart[] = {
        'G', 'W', 'S', 'U', 'M', 'S', '0', '1',  // magic
        1,                                       // volume count
        0x04, 0x03, 0x02, 0x01,                  // volume 1 size
        0xA4, 0xA3, 0xA2, 0xA1,                  // volume 1 CRC-32
        0x0E, 0x0D, 0x0C, 0x0B,                  // decoded length
        0xB4, 0xB3, 0xB2, 0xB1,                  // decoded CRC-32
    };
    EXPECT_EQ(std::memcmp(block.data(), expectedStart, sizeof expectedStart), 0);
    const uint32_t own = Crc32(block.data(), 25);
    EXPECT_EQ(block[25] | block[26] << 8 | block[27] << 16 | uint32_t(block[28]) << 24, own);
    EXPECT_EQ(block[29], 33);                    // block length, last four bytes
    EXPECT_EQ(block[30] | block[31] | block[32], 0);
}

TEST(ChecksumBlock, RoundTrips) {
    const std::vector<uint8_t> block = EncodeChecksumBlock(TwoVolumes());
    EXPECT_EQ(block.size(), ChecksumBlockSize(2));
    EXPECT_EQ(DecodeChecksumBlock(block.data(), block.size()), TwoVolumes());
}

TEST(ChecksumBlock, VolumeCountMustBeOneTo255) {
    TDistributionChecksums sums = TwoVolumes();
    sums.Volumes.clear();
    EXPECT_THROW(EncodeChecksumBlock(sums), Exception);
    sums.Volumes.assign(255, {1, 2});
    EXPECT_EQ(EncodeChecksumBlock(sums).size(), ChecksumBlockSize(255));
    sums.Volumes.push_back({1, 2});
    EXPECT_THROW(EncodeChecksumBlock(sums), Exception);
}

TEST(ChecksumBlock, AnyChangedByteIsDetected) {
    const std::vector<uint8_t> good = EncodeChecksumBlock(TwoVolumes());
    for (size_t i = 0; i < good.size(); ++i) {
        std::vector<uint8_t> bad = good;
        bad[i] ^= 0x10;
        EXPECT_THROW(DecodeChecksumBlock(bad.data(), bad.size()), Exception) << "byte " << i;
    }
}

// A setup file: image bytes, then optionally the block, then stand-in catalogue records.
std::vector<uint8_t> FileWith(const std::vector<uint8_t>& Block, size_t& RecordsStart) {
    std::vector<uint8_t> file(300, 0x90);
    file.insert(file.end(), Block.begin(), Block.end());
    RecordsStart = file.size();
    file.resize(file.size() + 2 * 28 + 5, 0x33);
    return file;
}

TEST(ChecksumBlockSearch, FindsTheBlockInFrontOfTheRecords) {
    size_t recordsStart = 0;
    const std::vector<uint8_t> file = FileWith(EncodeChecksumBlock(TwoVolumes()), recordsStart);
    const TChecksumBlockSearch search = FindChecksumBlock(file.data(), recordsStart);
    ASSERT_EQ(search.Kind, TChecksumBlockSearch::TKind::Found) << search.Problem;
    EXPECT_EQ(search.Start, 300u);
    EXPECT_EQ(search.Checksums, TwoVolumes());
}

TEST(ChecksumBlockSearch, FileWithoutBlockReportsAbsent) {
    size_t recordsStart = 0;
    const std::vector<uint8_t> file = FileWith({}, recordsStart);
    EXPECT_EQ(FindChecksumBlock(file.data(), recordsStart).Kind, TChecksumBlockSearch::TKind::Absent);
    // Records right at the start of a tiny file: nothing in front to look at.
    EXPECT_EQ(FindChecksumBlock(file.data(), 3).Kind, TChecksumBlockSearch::TKind::Absent);
    // A length field pointing before the file.
    std::vector<uint8_t> tiny = {'G', 'W', 0xFF, 0xFF, 0xFF, 0x7F};
    EXPECT_EQ(FindChecksumBlock(tiny.data(), tiny.size()).Kind, TChecksumBlockSearch::TKind::Absent);
}

TEST(ChecksumBlockSearch, DamagedBlockIsReportedAsSuch) {
    size_t recordsStart = 0;
    std::vector<uint8_t> file = FileWith(EncodeChecksumBlock(TwoVolumes()), recordsStart);
    file[300 + 12] ^= 1;  // inside the first volume's size
    const TChecksumBlockSearch search = FindChecksumBlock(file.data(), recordsStart);
    EXPECT_EQ(search.Kind, TChecksumBlockSearch::TKind::Damaged);
    EXPECT_NE(search.Problem.find("its own CRC-32 does not match"), std::string::npos) << search.Problem;
}

}  // namespace
