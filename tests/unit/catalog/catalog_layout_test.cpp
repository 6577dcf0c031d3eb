// The layout check: contiguous ranges after the main executable and the total at the end.
#include <gtest/gtest.h>

#include "catalog/catalog_layout.h"

namespace {

TCatalogTrailer Sound() {
    TCatalogTrailer trailer;
    trailer.Records = {{"UnInstal.Exe", 1000, 200}, {"Glyph.HLP", 1200, 0}, {"Fonts.LIB", 1200, 50}};
    trailer.Total = 1250;
    return trailer;
}

std::string Joined(const std::vector<std::string>& Problems) {
    std::string text;
    for (const std::string& p : Problems) text += p + "\n";
    return text;
}

TEST(CatalogLayout, SoundCatalogHasNoProblems) {
    EXPECT_EQ(Joined(CatalogLayoutProblems(Sound())), "");
}

struct TLayoutCase {
    const char* What;
    void (*Break)(TCatalogTrailer&);
    const char* ExpectedPart;
};

class CatalogLayoutBroken : public ::testing::TestWithParam<TLayoutCase> {};

TEST_P(CatalogLayoutBroken, IsReported) {
    TCatalogTrailer trailer = Sound();
    GetParam().Break(trailer);
    const std::string problems = Joined(CatalogLayoutProblems(trailer));
    EXPECT_NE(problems.find(GetParam().ExpectedPart), std::string::npos) << problems;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CatalogLayoutBroken,
    ::testing::Values(
        TLayoutCase{"empty", [](TCatalogTrailer& t) { t.Records.clear(); }, "no entries"},
        TLayoutCase{"first offset 0",
                    [](TCatalogTrailer& t) {
                        t.Records[0].Offset = 0;
                        t.Records[0].Size = 1200;
                    },
                    "first entry's offset is 0"},
        TLayoutCase{"gap", [](TCatalogTrailer& t) { t.Records[2].Offset = 1201; t.Total = 1251; },
                    "entry 3 (\"Fonts.LIB\") starts at 1201 but the entry before it ends at 1200"},
        TLayoutCase{"overlap", [](TCatalogTrailer& t) { t.Records[1].Offset = 1100; },
                    "entry 2 (\"Glyph.HLP\") starts at 1100"},
        TLayoutCase{"total", [](TCatalogTrailer& t) { t.Total = 1249; },
                    "the last entry ends at 1250 but the catalogue total is 1249"},
        TLayoutCase{"negative size", [](TCatalogTrailer& t) { t.Records[1].Size = -1; },
                    "negative size"},
        TLayoutCase{"unsafe name", [](TCatalogTrailer& t) { t.Records[1].Name = "..\\x.hlp"; },
                    "folder separator"},
        TLayoutCase{"same name in other case", [](TCatalogTrailer& t) { t.Records[2].Name = "uninstal.exe"; },
                    "same name as entry 1"}),
    [](const ::testing::TestParamInfo<TLayoutCase>& info) {
        std::string name = info.param.What;
        for (char& c : name) if (!isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

}  // namespace
