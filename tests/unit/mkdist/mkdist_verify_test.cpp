// verify accepts a sound distribution and fails on each kind of damage, saying what it found.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "catalog/checksum_block.h"
#include "mkdist_test_support.h"

namespace {

namespace fs = std::filesystem;

// Offsets in the packed SETUP.EXE: a 1024-byte image, the checksum block of 3 volumes (49 bytes),
// then 5 records of 28 bytes, the count, the total.
constexpr size_t ImageBytes = 1024;
constexpr size_t SumsAt = ImageBytes;
constexpr size_t RecordsAt = SumsAt + ChecksumBlockSize(3);
constexpr size_t RecordBytes = 28;
constexpr size_t CountAt = RecordsAt + 5 * RecordBytes;

class MkdistVerify : public ::testing::Test {
public:
    void SetUp() override {
        fs::create_directories(Scratch / "product");
        const std::vector<std::pair<std::string, std::vector<uint8_t>>> files = {
            {"Main.Exe", RandomBytes(15000, 21)}, {"UnInstal.Exe", TextBytes(3000, 22)},
            {"Help.HLP", RandomBytes(9000, 23)},  {"Empty.Dat", {}},
            {"Lib.LIB", TextBytes(4000, 24)},     {"Tail.Dat", RandomBytes(6000, 25)},
        };
        std::vector<std::string> words = {"pack", "--setup", Scratch / "SETUP.EXE", "--out", Scratch / "dist",
                                          "--disk-size", "11000", Scratch / "product"};
        for (const auto& [name, bytes] : files) {
            WriteFile(Scratch / ("product/" + name), bytes);
            words.push_back(name);
        }
        WriteFile(Scratch / "SETUP.EXE", FakeSetupImage(ConfigMarker(3, 1)));
        const TRunResult pack = RunTool(words);
        ASSERT_EQ(pack.ExitCode, 0) << pack.All();
        ASSERT_TRUE(fs::exists(Dist("Glyphwor.003")) && !fs::exists(Dist("Glyphwor.004"))) << pack.All();
    }

    std::string Dist(const std::string& Name) const { return Scratch / ("dist/" + Name); }

    // Changes one byte of a file in the distribution.
    void Poke(const std::string& Name, size_t At, uint8_t Value) const {
        std::vector<uint8_t> bytes = ReadFile(Dist(Name));
        ASSERT_LT(At, bytes.size());
        bytes[At] = Value;
        WriteFile(Dist(Name), bytes);
    }

    void CutTo(const std::string& Name, uint64_t Size) const { fs::resize_file(Dist(Name), Size); }

    TScratchFolder Scratch;
};

TEST_F(MkdistVerify, SoundDistributionPasses) {
    const TRunResult run = RunTool({"verify", Scratch / "dist"});
    EXPECT_EQ(run.ExitCode, 0) << run.All();
    EXPECT_EQ(run.Err.find("problem"), std::string::npos) << run.All();
}

TEST_F(MkdistVerify, SetupProgramCanBeNamed) {
    fs::copy_file(Dist("SETUP.EXE"), Dist("OTHER.EXE"));
    const TRunResult ambiguous = RunTool({"verify", Scratch / "dist"});
    EXPECT_EQ(ambiguous.ExitCode, 1);
    EXPECT_NE(ambiguous.Err.find("several files end in a catalogue (OTHER.EXE SETUP.EXE)"), std::string::npos)
        << ambiguous.All();
    EXPECT_EQ(RunTool({"verify", "--setup", "OTHER.EXE", Scratch / "dist"}).ExitCode, 0);
}

struct TDamageCase {
    const char* What;
    std::function<void(const MkdistVerify&)> Damage;
    const char* ExpectedPart;
};

const TDamageCase DamageCases[] = {
    {"last volume cut in half",
     [](const MkdistVerify& t) { t.CutTo("Glyphwor.003", fs::file_size(t.Dist("Glyphwor.003")) / 2); },
     "end before the catalogue's 37000 bytes are decoded"},
    {"last volume missing", [](const MkdistVerify& t) { fs::remove(t.Dist("Glyphwor.003")); },
     "only 2 are here: Glyphwor.003 is missing"},
    {"middle volume missing", [](const MkdistVerify& t) { fs::remove(t.Dist("Glyphwor.002")); },
     "Glyphwor.002: volume missing, although Glyphwor.003 exists"},
    {"first volume missing", [](const MkdistVerify& t) { fs::remove(t.Dist("Glyphwor.001")); },
     "Glyphwor.001: the first volume is missing"},
    {"extra volume",
     [](const MkdistVerify& t) { WriteFile(t.Dist("Glyphwor.004"), {1, 2, 3}); },
     "copies only 3 of the 4 volumes"},
    {"count byte raised into the block", [](const MkdistVerify& t) { t.Poke("SETUP.EXE", CountAt, 6); },
     "no readable catalogue at its end"},
    {"count byte raised past the block",
     [](const MkdistVerify& t) {
         // Seven records of zeros reach 7 bytes into the image.
         std::vector<uint8_t> setup = ReadFile(t.Dist("SETUP.EXE"));
         std::fill(setup.begin() + long(CountAt - 7 * RecordBytes), setup.begin() + long(CountAt), 0);
         setup[CountAt] = 7;
         WriteFile(t.Dist("SETUP.EXE"), setup);
     },
     "would start at byte 1017, inside the executable image, which ends at 1024"},
    {"volume byte changed", [](const MkdistVerify& t) { t.Poke("Glyphwor.002", 100, 0x5A); },
     "Glyphwor.002: CRC-32 0x"},
    {"last volume one byte short",
     [](const MkdistVerify& t) { t.CutTo("Glyphwor.003", fs::file_size(t.Dist("Glyphwor.003")) - 1); },
     "bytes, but the checksum block records"},
    {"volumes swapped",
     [](const MkdistVerify& t) {
         fs::rename(t.Dist("Glyphwor.001"), t.Dist("swap"));
         fs::rename(t.Dist("Glyphwor.002"), t.Dist("Glyphwor.001"));
         fs::rename(t.Dist("swap"), t.Dist("Glyphwor.002"));
     },
     "the volume is damaged or out of order"},
    {"checksum block changed", [](const MkdistVerify& t) { t.Poke("SETUP.EXE", SumsAt + 12, 0x77); },
     "checksum block is damaged: its own CRC-32 does not match"},
    {"count byte past the file", [](const MkdistVerify& t) { t.Poke("SETUP.EXE", CountAt, 255); },
     "its records would start before the beginning of the file"},
    {"count byte lowered", [](const MkdistVerify& t) { t.Poke("SETUP.EXE", CountAt, 4); },
     "77 bytes lie between the executable image and the catalogue"},
    {"offset changed", [](const MkdistVerify& t) { t.Poke("SETUP.EXE", RecordsAt + 2 * RecordBytes + 20, 0x99); },
     "entry 3 (\"Empty.Dat\") starts at"},
    {"total changed", [](const MkdistVerify& t) { t.Poke("SETUP.EXE", CountAt + 1, 0x99); },
     "but the catalogue total is"},
    {"total raised to 1.6 GB", [](const MkdistVerify& t) { t.Poke("SETUP.EXE", CountAt + 4, 0x60); },
     "cannot come from"},
    {"name made a path", [](const MkdistVerify& t) { t.Poke("SETUP.EXE", RecordsAt + RecordBytes + 1, '/'); },
     "holds a folder separator"},
    {"name length beyond 19", [](const MkdistVerify& t) { t.Poke("SETUP.EXE", RecordsAt, 20); },
     "catalogue entry 1: catalogue record has a name length of 20"},
};

void PrintTo(const TDamageCase& Case, std::ostream* Out) { *Out << Case.What; }

class MkdistVerifyDamage : public MkdistVerify, public ::testing::WithParamInterface<TDamageCase> {};

TEST_P(MkdistVerifyDamage, FailsAndSaysWhatIsWrong) {
    GetParam().Damage(*this);
    const TRunResult run = RunTool({"verify", Scratch / "dist"});
    EXPECT_EQ(run.ExitCode, 1) << run.All();
    EXPECT_NE(run.Err.find(GetParam().ExpectedPart), std::string::npos) << run.All();
    EXPECT_EQ(run.Out.find("verify: OK"), std::string::npos) << run.All();
}

INSTANTIATE_TEST_SUITE_P(Cases, MkdistVerifyDamage, ::testing::ValuesIn(DamageCases),
                         [](const ::testing::TestParamInfo<TDamageCase>& info) {
                             std::string name = info.param.What;
                             for (char& c : name) if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST_F(MkdistVerify, SetupProgramWithoutChecksumBlockStillVerifiesWithAWarning) {
    // The layout an older packer wrote: the records right after the image.
    std::vector<uint8_t> setup = ReadFile(Dist("SETUP.EXE"));
    setup.erase(setup.begin() + long(SumsAt), setup.begin() + long(RecordsAt));
    WriteFile(Dist("SETUP.EXE"), setup);
    const TRunResult run = RunTool({"verify", Scratch / "dist"});
    EXPECT_EQ(run.ExitCode, 0) << run.All();
    EXPECT_NE(run.Err.find("no checksum block"), std::string::npos) << run.All();
    const TRunResult list = RunTool({"list", Dist("SETUP.EXE")});
    EXPECT_NE(list.Out.find("checksums: none recorded"), std::string::npos) << list.All();
}

TEST_F(MkdistVerify, ListShowsTheRecordedChecksums) {
    const TRunResult list = RunTool({"list", Dist("SETUP.EXE")});
    ASSERT_EQ(list.ExitCode, 0) << list.All();
    EXPECT_NE(list.Out.find("  Glyphwor.001  11000 bytes  CRC-32 0x"), std::string::npos) << list.Out;
    EXPECT_NE(list.Out.find("  Glyphwor.003  "), std::string::npos) << list.Out;
    EXPECT_NE(list.Out.find("  decoded stream  37000 bytes  CRC-32 0x"), std::string::npos) << list.Out;
}

TEST_F(MkdistVerify, UnpackRefusesACutVolumeInsteadOfWritingGarbage) {
    CutTo("Glyphwor.003", 10);
    const TRunResult run = RunTool({"unpack", Scratch / "dist", Scratch / "out"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("a volume is missing or cut short"), std::string::npos) << run.All();
    EXPECT_FALSE(fs::exists(Scratch / "out"));
}

}  // namespace
