// Where the PE image ends: the data an earlier pack appended must be found and nothing else.
#include <gtest/gtest.h>

#include <functional>

#include "mkdist_test_support.h"
#include "pe_image_end.h"
#include "rtl/exception.h"

namespace {

// Offsets in FakeSetupImage: PE header at 0x40, optional header at 0x58, section header at 0x138.
constexpr size_t Coff = 0x44;
constexpr size_t Optional = Coff + 20;
constexpr size_t Section = Optional + 224;

void Put32(std::vector<uint8_t>& Bytes, size_t At, uint32_t Value) {
    for (int i = 0; i < 4; ++i) Bytes[At + i] = uint8_t(Value >> (8 * i));
}

struct TImageCase {
    const char* What;
    std::function<void(std::vector<uint8_t>&)> Change;
    size_t ExpectedEnd;
};

void PrintTo(const TImageCase& Case, std::ostream* Out) { *Out << Case.What; }

class PeImageEndCases : public ::testing::TestWithParam<TImageCase> {};

TEST_P(PeImageEndCases, FindsTheEnd) {
    std::vector<uint8_t> image = FakeSetupImage(std::nullopt);
    GetParam().Change(image);
    EXPECT_EQ(PeImageEnd(image.data(), image.size()), GetParam().ExpectedEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Images, PeImageEndCases,
    ::testing::Values(
        TImageCase{"plain image", [](std::vector<uint8_t>&) {}, 0x400},
        TImageCase{"earlier catalogue appended", [](std::vector<uint8_t>& b) { b.resize(0x400 + 425, 0x41); }, 0x400},
        TImageCase{"section without raw data",
                   [](std::vector<uint8_t>& b) {
                       Put32(b, Section + 16, 0);
                       b.resize(0x500);
                   },
                   0x200},
        TImageCase{"COFF symbols and strings after the sections",
                   [](std::vector<uint8_t>& b) {
                       Put32(b, Coff + 8, 0x400);   // PointerToSymbolTable
                       Put32(b, Coff + 12, 10);     // 10 symbols of 18 bytes
                       b.resize(0x400 + 180 + 40 + 33);
                       Put32(b, 0x400 + 180, 40);   // string table of 40 bytes, its size included
                   },
                   0x400 + 180 + 40},
        TImageCase{"certificate after the sections",
                   [](std::vector<uint8_t>& b) {
                       Put32(b, Optional + 96 + 4 * 8, 0x400);      // certificate table: file offset
                       Put32(b, Optional + 96 + 4 * 8 + 4, 0x80);   // and size
                       b.resize(0x480 + 61);
                   },
                   0x480}),
    [](const ::testing::TestParamInfo<TImageCase>& info) {
        std::string name = info.param.What;
        for (char& c : name) if (!isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

struct TBadImageCase {
    const char* What;
    std::function<void(std::vector<uint8_t>&)> Change;
    const char* ExpectedPart;
};

void PrintTo(const TBadImageCase& Case, std::ostream* Out) { *Out << Case.What; }

class PeImageEndRefusals : public ::testing::TestWithParam<TBadImageCase> {};

TEST_P(PeImageEndRefusals, RaisesWithAReason) {
    std::vector<uint8_t> image = FakeSetupImage(std::nullopt);
    GetParam().Change(image);
    try {
        PeImageEnd(image.data(), image.size());
        FAIL() << "accepted";
    } catch (const Exception& error) {
        EXPECT_NE(error.Message().find(GetParam().ExpectedPart), std::string::npos) << error.Message();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Images, PeImageEndRefusals,
    ::testing::Values(
        TBadImageCase{"no MZ", [](std::vector<uint8_t>& b) { b[0] = 'Z'; }, "does not start with \"MZ\""},
        TBadImageCase{"tiny", [](std::vector<uint8_t>& b) { b.resize(10); }, "does not start with \"MZ\""},
        TBadImageCase{"no PE signature", [](std::vector<uint8_t>& b) { b[0x41] = 'X'; }, "no \"PE\" signature"},
        TBadImageCase{"PE header past the end", [](std::vector<uint8_t>& b) { Put32(b, 0x3C, 0xFFFFFFF0u); },
                      "PE header lies past the end"},
        TBadImageCase{"section table past the end",
                      [](std::vector<uint8_t>& b) { b[Coff + 2] = 0xFF; b[Coff + 3] = 0xFF; },
                      "section table lies past the end"},
        TBadImageCase{"section data past the end", [](std::vector<uint8_t>& b) { Put32(b, Section + 20, 0xFFFFFF00u); },
                      "truncated PE executable"}));

}  // namespace
