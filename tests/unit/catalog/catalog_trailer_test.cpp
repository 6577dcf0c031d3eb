// Records and trailers: hand-made bytes decode to the expected fields, and encoding round-trips.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "catalog/catalog_trailer.h"
#include "rtl/exception.h"

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> Values) {
    std::vector<uint8_t> bytes;
    for (int v : Values) bytes.push_back(uint8_t(v));
    return bytes;
}

void Append(std::vector<uint8_t>& To, const std::vector<uint8_t>& More) {
    To.insert(To.end(), More.begin(), More.end());
}

// Fifteen entries shaped like the shipped catalogue: contiguous, first Offset 788,992.
TCatalogTrailer ShippedShape() {
    TCatalogTrailer trailer;
    int32_t offset = 788992;
    const int32_t sizes[15] = {120000, 64000, 300000, 5, 0, 2048, 2049, 1000000, 77, 65536,
                               410000, 12, 999, 333333, 1080978};
    for (int i = 0; i < 15; ++i) {
        trailer.Records.push_back({"FILE" + std::to_string(i) + ".DAT", offset, sizes[i]});
        offset += sizes[i];
    }
    trailer.Total = offset;
    return trailer;
}

TEST(CatalogRecord, DecodesHandMadeRecordAndIgnoresFiller) {
    std::vector<uint8_t> record = Bytes({13});                 // name length 13
    Append(record, Bytes({'G', 'l', 'y', 'p', 'h', 'w', 'o', 'r', 'k', '.', 'H', 'L', 'P'}));
    Append(record, Bytes({'X', 0xFF, 0, '\\', ':', 0x07}));    // 6 filler bytes, never part of the name
    Append(record, Bytes({0x00, 0x0A, 0x0C, 0x00}));           // Offset 0x000C0A00 = 788,992
    Append(record, Bytes({0x01, 0x02, 0x03, 0x84}));           // Size 0x84030201, negative as signed
    ASSERT_EQ(record.size(), size_t(CatalogRecordSize));

    const TCatalogRecord decoded = DecodeCatalogRecord(record.data());
    EXPECT_EQ(decoded.Name, "Glyphwork.HLP");
    EXPECT_EQ(decoded.Offset, 788992);
    EXPECT_EQ(decoded.Size, int32_t(0x84030201u));
}

TEST(CatalogRecord, EncodeWritesLengthNameZeroFillerAndLittleEndianFields) {
    uint8_t out[CatalogRecordSize];
    std::memset(out, 0xAA, sizeof out);
    EncodeCatalogRecord({"A.B", 0x01020304, -2}, out);
    const std::vector<uint8_t> expected = [] {
        std::vector<uint8_t> e = Bytes({3, 'A', '.', 'B'});
        e.resize(20, 0);                                       // 16 filler bytes, zeroed
        Append(e, Bytes({0x04, 0x03, 0x02, 0x01}));            // Offset
        Append(e, Bytes({0xFE, 0xFF, 0xFF, 0xFF}));            // Size -2
        return e;
    }();
    EXPECT_EQ(std::vector<uint8_t>(out, out + CatalogRecordSize), expected);
}

TEST(CatalogRecord, NameOfNineteenFitsTwentyDoesNot) {
    uint8_t out[CatalogRecordSize];
    EncodeCatalogRecord({std::string(19, 'n'), 1, 1}, out);
    EXPECT_EQ(DecodeCatalogRecord(out).Name, std::string(19, 'n'));
    EXPECT_THROW(EncodeCatalogRecord({std::string(20, 'n'), 1, 1}, out), Exception);
}

TEST(CatalogRecord, LengthByteAboveNineteenIsRejected) {
    uint8_t record[CatalogRecordSize] = {};
    record[0] = 20;
    EXPECT_THROW(DecodeCatalogRecord(record), Exception);
}

TEST(CatalogTrailer, FifteenEntriesRoundTripIn425Bytes) {
    const TCatalogTrailer trailer = ShippedShape();
    ASSERT_EQ(trailer.Total, 4168029);
    const std::vector<uint8_t> bytes = EncodeCatalogTrailer(trailer);
    EXPECT_EQ(bytes.size(), 425u);
    EXPECT_EQ(bytes[420], 15);                                 // count byte at L - 5
    EXPECT_EQ(DecodeCatalogTrailer(bytes.data(), bytes.size()), trailer);
}

TEST(CatalogTrailer, IsReadFromTheEndOfTheFile) {
    std::vector<uint8_t> file(1000);
    std::mt19937 random(7);
    for (uint8_t& b : file) b = uint8_t(random());
    const TCatalogTrailer trailer = ShippedShape();
    Append(file, EncodeCatalogTrailer(trailer));
    const TCatalogTrailer decoded = DecodeCatalogTrailer(file.data(), file.size());
    EXPECT_EQ(decoded, trailer);
    EXPECT_EQ(CatalogTrailerStart(decoded, file.size()), 1000u);
}

TEST(CatalogTrailer, FifteenThirteenCharacterNamesWithFillerYieldTheNamesOnly) {
    std::vector<uint8_t> file = Bytes({'M', 'Z'});
    for (int i = 0; i < 15; ++i) {
        std::vector<uint8_t> record = Bytes({13});
        const std::string name = "PART" + std::string(1, char('A' + i)) + "abcd.DTP";
        ASSERT_EQ(name.size(), 13u);
        Append(record, std::vector<uint8_t>(name.begin(), name.end()));
        Append(record, Bytes({'/', '.', '.', 0, 0xEE, '*'}));  // filler with unsafe characters
        Append(record, Bytes({i + 1, 0, 0, 0}));               // Offset
        Append(record, Bytes({1, 0, 0, 0}));                   // Size
        Append(file, record);
    }
    Append(file, Bytes({15, 16, 0, 0, 0}));                    // N = 15, CatalogTotal = 16
    const TCatalogTrailer decoded = DecodeCatalogTrailer(file.data(), file.size());
    ASSERT_EQ(decoded.Records.size(), 15u);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(decoded.Records[i].Name, "PART" + std::string(1, char('A' + i)) + "abcd.DTP");
        EXPECT_EQ(decoded.Records[i].Offset, i + 1);
    }
    EXPECT_EQ(decoded.Total, 16);
}

TEST(CatalogTrailer, CountZeroYieldsNoEntriesAndTheTotal) {
    const std::vector<uint8_t> file = Bytes({'M', 'Z', 0x90, 0, 0x34, 0x12, 0x00, 0x80});
    const TCatalogTrailer decoded = DecodeCatalogTrailer(file.data(), file.size());
    EXPECT_TRUE(decoded.Records.empty());
    EXPECT_EQ(decoded.Total, int32_t(0x80001234u));
}

struct TShortFileCase {
    size_t PrefixBytes;  // bytes before the count byte and the total
    int Count;           // count byte stored at L - 5
};

class CatalogTrailerTooShort : public ::testing::TestWithParam<TShortFileCase> {};

TEST_P(CatalogTrailerTooShort, CountWhoseRecordsStartBeforeTheFileIsRejected) {
    std::vector<uint8_t> file(GetParam().PrefixBytes, 0x41);
    Append(file, Bytes({GetParam().Count, 0, 0, 0, 0}));
    try {
        DecodeCatalogTrailer(file.data(), file.size());
        FAIL() << "decoded a trailer whose records start before the file";
    } catch (const Exception& error) {
        EXPECT_NE(error.Message().find("before the beginning of the file"), std::string::npos)
            << error.Message();
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, CatalogTrailerTooShort,
                         ::testing::Values(TShortFileCase{0, 1}, TShortFileCase{27, 1},
                                           TShortFileCase{28 * 14 + 27, 15},
                                           TShortFileCase{100, 255}));

TEST(CatalogTrailer, ExactlyFittingRecordsAreAccepted) {
    std::vector<uint8_t> file(28, 0);                          // one record with an empty name
    Append(file, Bytes({1, 0, 0, 0, 0}));
    EXPECT_EQ(DecodeCatalogTrailer(file.data(), file.size()).Records.size(), 1u);
}

TEST(CatalogTrailer, FileShorterThanFiveBytesIsRejected) {
    const std::vector<uint8_t> file = Bytes({0, 0, 0, 0});
    EXPECT_THROW(DecodeCatalogTrailer(file.data(), file.size()), Exception);
    EXPECT_THROW(DecodeCatalogTrailer(nullptr, 0), Exception);
}

TEST(CatalogTrailer, BadRecordIsNamedByItsPosition) {
    TCatalogTrailer trailer = ShippedShape();
    std::vector<uint8_t> bytes = EncodeCatalogTrailer(trailer);
    bytes[2 * CatalogRecordSize] = 25;                         // third record's length byte
    try {
        DecodeCatalogTrailer(bytes.data(), bytes.size());
        FAIL() << "accepted a name length of 25";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message().rfind("catalogue entry 3:", 0), 0u) << error.Message();
    }
}

TEST(CatalogTrailer, MoreThan255EntriesCannotBeEncoded) {
    TCatalogTrailer trailer;
    trailer.Records.assign(255, TCatalogRecord{"A", 1, 0});
    EXPECT_EQ(EncodeCatalogTrailer(trailer)[255 * CatalogRecordSize], 255);
    trailer.Records.push_back({"B", 1, 0});
    EXPECT_THROW(EncodeCatalogTrailer(trailer), Exception);
}

TEST(CatalogTrailer, RandomTrailersRoundTrip) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 200; ++round) {
        TCatalogTrailer trailer;
        const int count = int(random() % 40);
        for (int i = 0; i < count; ++i) {
            std::string name(random() % 20, 'x');
            for (char& c : name) c = char(random());
            trailer.Records.push_back({name, int32_t(random()), int32_t(random())});
        }
        trailer.Total = int32_t(random());
        const std::vector<uint8_t> bytes = EncodeCatalogTrailer(trailer);
        ASSERT_EQ(DecodeCatalogTrailer(bytes.data(), bytes.size()), trailer) << "round " << round;
    }
}

}  // namespace
