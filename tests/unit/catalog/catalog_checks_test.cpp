// The name check the setup program makes before it writes a catalogue entry, and the count check.
#include <gtest/gtest.h>

#include "catalog/catalog_checks.h"

namespace {

struct TNameCase {
    std::string Name;
    const char* ExpectedPart;  // nullptr: the name is safe; otherwise a part of the message
};

class CatalogNameCheck : public ::testing::TestWithParam<TNameCase> {};

TEST_P(CatalogNameCheck, TellsWhetherTheNameIsSafe) {
    const std::string problem = CatalogNameProblem(GetParam().Name);
    if (GetParam().ExpectedPart == nullptr) {
        EXPECT_EQ(problem, "");
    } else {
        EXPECT_NE(problem.find(GetParam().ExpectedPart), std::string::npos)
            << "message: " << problem;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, CatalogNameCheck,
    ::testing::Values(
        TNameCase{"UnInstal.Exe", nullptr}, TNameCase{"Glyphwork.HLP", nullptr},
        TNameCase{"README", nullptr}, TNameCase{std::string(19, 'a'), nullptr},
        TNameCase{".profile", nullptr}, TNameCase{"a..b", nullptr},
        TNameCase{"CONFIG.SYS", nullptr}, TNameCase{"COM0", nullptr}, TNameCase{"Name with blank", nullptr},
        TNameCase{"", "empty"},
        TNameCase{".", "names a folder"}, TNameCase{"..", "names a folder"},
        TNameCase{std::string(20, 'a'), "20 characters long"},
        TNameCase{"..\\evil.exe", "folder separator"}, TNameCase{"sub/file", "folder separator"},
        TNameCase{"\\", "folder separator"}, TNameCase{"C:evil.dll", "drive colon"},
        TNameCase{"file:stream", "drive colon"}, TNameCase{"what?.txt", "does not allow"},
        TNameCase{"a*b", "does not allow"}, TNameCase{"pipe|x", "does not allow"},
        TNameCase{std::string("nul\0byte", 8), "does not allow"}, TNameCase{"tab\there", "does not allow"},
        TNameCase{"trailing.", "ends in a dot"}, TNameCase{"trailing ", "ends in a dot or blank"},
        TNameCase{"CON", "device"}, TNameCase{"nul.txt", "device"}, TNameCase{"Lpt1.prn", "device"},
        TNameCase{"com9", "device"}));

TEST(CatalogNameCheck, MessageQuotesTheNameWithUnprintableBytesEscaped) {
    EXPECT_EQ(CatalogNameProblem("a/b"),
              "\"a/b\" holds a folder separator; only a bare file name is allowed");
    EXPECT_NE(CatalogNameProblem(std::string("x\x01y")).find("\"x\\x01y\""), std::string::npos);
}

TEST(CatalogNameCheck, LengthIsTakenFromTheCountNotFromATerminator) {
    const char stored[] = "GOOD.EXE/filler";
    EXPECT_EQ(CatalogNameProblem(stored, 8), "");
    EXPECT_NE(CatalogNameProblem(stored, 10), "");
}

struct TCountCase {
    int64_t FileLength;
    int Count;
    bool Fits;
};

class CatalogCountCheck : public ::testing::TestWithParam<TCountCase> {};

TEST_P(CatalogCountCheck, RecordsMustNotStartBeforeTheFile) {
    const std::string problem = CatalogCountProblem(GetParam().FileLength, GetParam().Count);
    EXPECT_EQ(problem.empty(), GetParam().Fits) << problem;
}

INSTANTIATE_TEST_SUITE_P(Counts, CatalogCountCheck,
                         ::testing::Values(TCountCase{5, 0, true}, TCountCase{4, 0, false},
                                           TCountCase{33, 1, true}, TCountCase{32, 1, false},
                                           TCountCase{425, 15, true}, TCountCase{424, 15, false},
                                           TCountCase{5 + 28 * 255, 255, true},
                                           TCountCase{5 + 28 * 255 - 1, 255, false},
                                           TCountCase{100000, -1, false}));

}  // namespace
