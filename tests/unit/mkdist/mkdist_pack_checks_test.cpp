// What pack refuses, and what it tells about the setup program's compiled-in configuration.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "mkdist_test_support.h"

namespace {

namespace fs = std::filesystem;

class MkdistPackChecks : public ::testing::Test {
public:
    void SetUp() override {
        fs::create_directories(Scratch / "product");
        Add("Main.Exe", RandomBytes(3000, 11));
        Add("UnInstal.Exe", TextBytes(2000, 12));
        Add("Data.Bin", RandomBytes(4000, 13));
        WriteFile(Scratch / "SETUP.EXE", FakeSetupImage(std::nullopt));
    }

    void Add(const std::string& Name, const std::vector<uint8_t>& Bytes) {
        WriteFile(Scratch / ("product/" + Name), Bytes);
        Names.push_back(Name);
    }

    TRunResult Pack(const std::string& DiskSize = "1457664") const {
        std::vector<std::string> words = {"pack", "--setup", Scratch / "SETUP.EXE", "--out", Scratch / "dist",
                                          "--disk-size", DiskSize, Scratch / "product"};
        words.insert(words.end(), Names.begin(), Names.end());
        return RunTool(words);
    }

    TScratchFolder Scratch;
    std::vector<std::string> Names;
};

struct TRefusalCase {
    const char* What;
    std::function<void(MkdistPackChecks&)> Arrange;
    const char* ExpectedPart;
};

// Each case changes the product or the setup program so that pack must refuse.
const TRefusalCase RefusalCases[] = {
    {"256 entries",
     [](MkdistPackChecks& t) {
         for (int i = 0; i < 254; ++i) t.Add("F" + std::to_string(i), {uint8_t(i)});
     },
     "256 catalogue entries given; the catalogue holds at most 255"},
    {"20 character name", [](MkdistPackChecks& t) { t.Add("TwentyCharacters.txt", {1}); }, "20 characters long"},
    {"slash in name",
     [](MkdistPackChecks& t) {
         fs::create_directories(t.Scratch / "product/sub");
         t.Add("sub/file.dat", {1});
     },
     "holds a folder separator"},
    {"backslash in name", [](MkdistPackChecks& t) { t.Names.push_back("..\\evil.dll"); }, "holds a folder separator"},
    {"drive colon", [](MkdistPackChecks& t) { t.Names.push_back("C:evil.dll"); }, "drive colon"},
    {"dot dot", [](MkdistPackChecks& t) { t.Names.push_back(".."); }, "names a folder"},
    {"path on main executable",
     [](MkdistPackChecks& t) {
         fs::create_directories(t.Scratch / "product/bin");
         WriteFile(t.Scratch / "product/bin/Main.Exe", {1});
         t.Names[0] = "bin/Main.Exe";
     },
     "bin/Main.Exe: give the bare name"},
    {"missing file", [](MkdistPackChecks& t) { t.Names.push_back("Missing.Dat"); }, "Missing.Dat: no such file"},
    {"folder given as file",
     [](MkdistPackChecks& t) {
         fs::create_directories(t.Scratch / "product/Folder");
         t.Names.push_back("Folder");
     },
     "Folder: not a regular file"},
    {"main executable only", [](MkdistPackChecks& t) { t.Names.resize(1); }, "at least one more file"},
    {"same name twice", [](MkdistPackChecks& t) { t.Names.push_back("data.bin"); }, "data.bin: given twice"},
    {"entry named like the main executable", [](MkdistPackChecks& t) { t.Add("GLYPHWORK.EXE", {1}); },
     "would overwrite it"},
    {"empty main executable", [](MkdistPackChecks& t) { WriteFile(t.Scratch / "product/Main.Exe", {}); },
     "the main executable is empty"},
    {"setup program missing", [](MkdistPackChecks& t) { fs::remove(t.Scratch / "SETUP.EXE"); },
     "SETUP.EXE: no such file"},
    {"setup program not an executable",
     [](MkdistPackChecks& t) { WriteFile(t.Scratch / "SETUP.EXE", TextBytes(2000, 1)); },
     "SETUP.EXE: not a Windows executable"},
    {"setup program cut short",
     [](MkdistPackChecks& t) {
         std::vector<uint8_t> image = FakeSetupImage(std::nullopt);
         image.resize(0x300);
         WriteFile(t.Scratch / "SETUP.EXE", image);
     },
     "truncated PE executable: its image needs 1024 bytes but the file has 768"},
    {"decoded stream of 2 GiB",
     [](MkdistPackChecks& t) {
         // A sparse file: the size check comes before anything is read.
         WriteFile(t.Scratch / "product/Huge.Dat", {});
         fs::resize_file(t.Scratch / "product/Huge.Dat", (uint64_t(1) << 31) - 9000);
         t.Names.push_back("Huge.Dat");
     },
     "add up to 2147483648 bytes; the decoded stream must stay below 2 GiB"},
    {"more volumes than the setup program's DiskCount",
     [](MkdistPackChecks& t) { WriteFile(t.Scratch / "SETUP.EXE", FakeSetupImage(ConfigMarker(1, 5000))); },
     "SETUP.EXE was built with DiskCount=1, AssemblyTotalBytes=5000 and copies only 1 volume(s)"},
};

void PrintTo(const TRefusalCase& Case, std::ostream* Out) { *Out << Case.What; }

class MkdistPackRefusal : public MkdistPackChecks, public ::testing::WithParamInterface<TRefusalCase> {};

TEST_P(MkdistPackRefusal, RefusesWithAClearMessageAndWritesNothing) {
    GetParam().Arrange(*this);
    const TRunResult run = Pack("5000");
    EXPECT_EQ(run.ExitCode, 1) << run.All();
    EXPECT_NE(run.Err.find(GetParam().ExpectedPart), std::string::npos) << run.All();
    EXPECT_FALSE(fs::exists(Scratch / "dist"));
}

INSTANTIATE_TEST_SUITE_P(Cases, MkdistPackRefusal, ::testing::ValuesIn(RefusalCases),
                         [](const ::testing::TestParamInfo<TRefusalCase>& info) {
                             std::string name = info.param.What;
                             for (char& c : name) if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST_F(MkdistPackChecks, TwoHundredFiftyFiveEntriesAreAccepted) {
    for (int i = 0; i < 253; ++i) Add("F" + std::to_string(i), {uint8_t(i), uint8_t(i)});
    const TRunResult run = Pack();
    ASSERT_EQ(run.ExitCode, 0) << run.All();
    const TRunResult list = RunTool({"list", Scratch / "dist/SETUP.EXE"});
    EXPECT_NE(list.Out.find(": 255 entries"), std::string::npos) << list.Out;
    EXPECT_NE(list.Out.find(" 255  F252 "), std::string::npos) << list.Out;
    EXPECT_EQ(RunTool({"verify", Scratch / "dist"}).ExitCode, 0);
}

TEST_F(MkdistPackChecks, MismatchedConfigurationPrintsTheExactBuildSettings) {
    WriteFile(Scratch / "SETUP.EXE", FakeSetupImage(ConfigMarker(2, 2795000)));
    const TRunResult run = Pack();
    ASSERT_EQ(run.ExitCode, 0) << run.All();
    const uint64_t archive = FileSize(Scratch / "dist/Glyphwor.001");
    EXPECT_NE(run.Err.find("built with DiskCount=2, AssemblyTotalBytes=2795000"), std::string::npos) << run.All();
    EXPECT_NE(run.Err.find("-DGLYPHWORK_DISK_COUNT=1 -DGLYPHWORK_ASSEMBLY_TOTAL_BYTES=" + std::to_string(archive) + " "),
              std::string::npos)
        << run.All();

    // Built with the printed values, the same product packs without a word about it.
    WriteFile(Scratch / "SETUP.EXE", FakeSetupImage(ConfigMarker(1, int64_t(archive))));
    const TRunResult matching = Pack();
    ASSERT_EQ(matching.ExitCode, 0) << matching.All();
    EXPECT_EQ(matching.Err, "") << matching.All();
    EXPECT_EQ(RunTool({"verify", Scratch / "dist"}).Err, "");
}

TEST_F(MkdistPackChecks, MissingMarkerIsAWarning) {
    WriteFile(Scratch / "SETUP.EXE", FakeSetupImage(std::nullopt));
    const TRunResult run = Pack();
    EXPECT_EQ(run.ExitCode, 0) << run.All();
    EXPECT_NE(run.Err.find("warning: " + (Scratch / "SETUP.EXE") + ": no GWSETUP-CONFIG marker found"),
              std::string::npos)
        << run.All();
    EXPECT_NE(run.Err.find("-DGLYPHWORK_DISK_COUNT=1 -DGLYPHWORK_ASSEMBLY_TOTAL_BYTES="), std::string::npos);
}

TEST_F(MkdistPackChecks, WarnsWhenNoEntryIsTheUninstaller) {
    Names.erase(Names.begin() + 1);
    const TRunResult without = Pack();
    EXPECT_EQ(without.ExitCode, 0);
    EXPECT_NE(without.Err.find("warning: no entry is named UnInstal.Exe"), std::string::npos) << without.All();

    // The name is matched regardless of case.
    fs::rename(Scratch / "product/UnInstal.Exe", Scratch / "product/UNINSTAL.EXE");
    Names.push_back("UNINSTAL.EXE");
    const TRunResult with = Pack();
    EXPECT_EQ(with.Err.find("UnInstal.Exe"), std::string::npos) << with.All();
}

}  // namespace
