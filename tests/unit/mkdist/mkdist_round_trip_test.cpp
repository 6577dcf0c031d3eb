// pack -> list -> unpack -> verify on a small generated product.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalog/checksum_block.h"
#include "mkdist_test_support.h"

namespace {

struct TProductFile {
    std::string Name;
    std::vector<uint8_t> Bytes;
};

class MkdistRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(Scratch / "product");
        for (const TProductFile& file : Files) WriteFile(Scratch / ("product/" + file.Name), file.Bytes);
        // Without the configuration marker: the volume count varies with the disk size here.
        WriteFile(Scratch / "SETUP.EXE", FakeSetupImage(std::nullopt));
    }

    std::vector<std::string> PackWords(const std::string& DiskSize) const {
        std::vector<std::string> words = {"pack", "--setup", Scratch / "SETUP.EXE", "--out", Scratch / "dist",
                                          "--disk-size", DiskSize, Scratch / "product"};
        for (const TProductFile& file : Files) words.push_back(file.Name);
        return words;
    }

    TScratchFolder Scratch;
    // The main executable first; the rest in catalogue order.
    const std::vector<TProductFile> Files = {
        {"Main.Exe", RandomBytes(20000, 1)},     {"UnInstal.Exe", TextBytes(9000, 2)},
        {"Glyph.HLP", RandomBytes(5000, 3)},     {"Fonts.LIB", {}},
        {"Shapes.dtp", TextBytes(2049, 4)},      {"ReadMe", TextBytes(7000, 5)},
    };
};

TEST_F(MkdistRoundTrip, PacksIntoSeveralVolumesAndUnpacksByteIdentical) {
    const TRunResult pack = RunTool(PackWords("12000"));
    ASSERT_EQ(pack.ExitCode, 0) << pack.All();

    // Every volume but the last is exactly the disk size; together they are the archive.
    std::vector<uint64_t> sizes;
    for (const char* name : {"Glyphwor.001", "Glyphwor.002", "Glyphwor.003", "Glyphwor.004"}) {
        if (std::filesystem::exists(Scratch / ("dist/" + std::string(name)))) sizes.push_back(FileSize(Scratch / ("dist/" + std::string(name))));
    }
    ASSERT_GE(sizes.size(), 2u) << pack.All();
    for (size_t i = 0; i + 1 < sizes.size(); ++i) EXPECT_EQ(sizes[i], 12000u);
    EXPECT_GT(sizes.back(), 0u);
    EXPECT_LE(sizes.back(), 12000u);
    EXPECT_EQ(FileSize(Scratch / "dist/SETUP.EXE"), 1024u + ChecksumBlockSize(sizes.size()) + 5 * 28 + 5)
        << "image, checksums, a trailer of 5 entries";

    const TRunResult unpack = RunTool({"unpack", Scratch / "dist", Scratch / "out"});
    ASSERT_EQ(unpack.ExitCode, 0) << unpack.All();
    EXPECT_EQ(ReadFile(Scratch / "out/Glyphwork.Exe"), Files[0].Bytes);
    EXPECT_EQ(ReadFile(Scratch / "out/UnInstal.Exe"), Files[1].Bytes);
    EXPECT_EQ(ReadFile(Scratch / "out/Help/Glyph.HLP"), Files[2].Bytes);
    EXPECT_FALSE(std::filesystem::exists(Scratch / "out/Glyph.HLP"));
    EXPECT_EQ(ReadFile(Scratch / "out/Fonts.LIB"), Files[3].Bytes);
    EXPECT_EQ(ReadFile(Scratch / "out/Shapes.dtp"), Files[4].Bytes);
    EXPECT_EQ(ReadFile(Scratch / "out/ReadMe"), Files[5].Bytes);

    const TRunResult verify = RunTool({"verify", Scratch / "dist"});
    EXPECT_EQ(verify.ExitCode, 0) << verify.All();
    EXPECT_NE(verify.Out.find("verify: OK"), std::string::npos) << verify.All();
}

TEST_F(MkdistRoundTrip, ListShowsEveryEntryWithItsPlaceAndTheTotal) {
    ASSERT_EQ(RunTool(PackWords("12000")).ExitCode, 0);
    const TRunResult list = RunTool({"list", Scratch / "dist/SETUP.EXE"});
    ASSERT_EQ(list.ExitCode, 0) << list.All();
    // Offsets follow from the sizes: 20000, +9000, +5000, +0, +2049, +7000.
    const char* expectedRows[] = {
        "   -  (main executable)             0       20000  destination, as Glyphwork.Exe\n",
        "   1  UnInstal.Exe              20000        9000  destination\n",
        "   2  Glyph.HLP                 29000        5000  Windows help folder\n",
        "   3  Fonts.LIB                 34000           0  destination, kept if present\n",
        "   4  Shapes.dtp                34000        2049  destination, kept if present\n",
        "   5  ReadMe                    36049        7000  destination\n",
        "total: 43049 bytes\n",
    };
    for (const char* row : expectedRows) EXPECT_NE(list.Out.find(row), std::string::npos) << row << list.Out;
    EXPECT_EQ(list.Err, "");
}

TEST_F(MkdistRoundTrip, UnpackKeepsLibAndDtpFilesAlreadyThereAndReplacesOthers) {
    ASSERT_EQ(RunTool(PackWords("12000")).ExitCode, 0);
    std::filesystem::create_directories(Scratch / "out");
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    for (const char* name : {"Fonts.LIB", "Shapes.dtp", "ReadMe"}) WriteFile(Scratch / ("out/" + std::string(name)), old);
    ASSERT_EQ(RunTool({"unpack", Scratch / "dist", Scratch / "out"}).ExitCode, 0);
    EXPECT_EQ(ReadFile(Scratch / "out/Fonts.LIB"), old);
    EXPECT_EQ(ReadFile(Scratch / "out/Shapes.dtp"), old);
    EXPECT_EQ(ReadFile(Scratch / "out/ReadMe"), Files[5].Bytes);
}

TEST_F(MkdistRoundTrip, PackingAgainOverItsOwnOutputCutsTheEarlierCatalogue) {
    ASSERT_EQ(RunTool(PackWords("12000")).ExitCode, 0);
    const uint64_t appended = FileSize(Scratch / "dist/SETUP.EXE") - 1024;
    // Pack again, with the packed setup program as input and one entry fewer.
    std::vector<std::string> words = PackWords("40000");
    words[2] = Scratch / "dist/SETUP.EXE";
    words.pop_back();
    const TRunResult again = RunTool(words);
    ASSERT_EQ(again.ExitCode, 0) << again.All();
    EXPECT_NE(again.Err.find("cutting " + std::to_string(appended) + " bytes"), std::string::npos) << again.All();
    EXPECT_EQ(FileSize(Scratch / "dist/SETUP.EXE"), 1024u + ChecksumBlockSize(1) + 4 * 28 + 5);
    EXPECT_FALSE(std::filesystem::exists(Scratch / "dist/Glyphwor.002")) << "stale volumes are removed";
    const TRunResult verify = RunTool({"verify", Scratch / "dist"});
    EXPECT_EQ(verify.ExitCode, 0) << verify.All();
}

TEST_F(MkdistRoundTrip, FourVolumesAreAcceptedFiveRefused) {
    // One volume first, to learn the archive's length.
    ASSERT_EQ(RunTool(PackWords("1457664")).ExitCode, 0);
    const uint64_t archive = FileSize(Scratch / "dist/Glyphwor.001");
    std::filesystem::remove_all(Scratch / "dist");

    const uint64_t quarter = (archive + 3) / 4;
    const TRunResult four = RunTool(PackWords(std::to_string(quarter)));
    ASSERT_EQ(four.ExitCode, 0) << four.All();
    EXPECT_TRUE(std::filesystem::exists(Scratch / "dist/Glyphwor.004"));
    EXPECT_FALSE(std::filesystem::exists(Scratch / "dist/Glyphwor.005"));

    std::filesystem::remove_all(Scratch / "dist");
    const TRunResult five = RunTool(PackWords(std::to_string(quarter - 1)));
    EXPECT_EQ(five.ExitCode, 1);
    EXPECT_NE(five.Err.find("needs 5 volumes"), std::string::npos) << five.All();
    EXPECT_NE(five.Err.find("at most 4"), std::string::npos) << five.All();
    EXPECT_FALSE(std::filesystem::exists(Scratch / "dist")) << "nothing is written on a refusal";
}

TEST_F(MkdistRoundTrip, RawCompressAndDecompressRoundTripExactly) {
    const std::vector<uint8_t> data = TextBytes(50001, 9);
    WriteFile(Scratch / "raw.bin", data);
    ASSERT_EQ(RunTool({"compress", Scratch / "raw.bin", Scratch / "raw.lzh"}).ExitCode, 0);
    EXPECT_LT(FileSize(Scratch / "raw.lzh"), data.size() / 2);
    for (size_t size : {size_t(50001), size_t(1), size_t(0), size_t(25000)}) {
        const TRunResult run = RunTool({"decompress", "--size", std::to_string(size), Scratch / "raw.lzh", Scratch / "back.bin"});
        ASSERT_EQ(run.ExitCode, 0) << run.All();
        EXPECT_EQ(ReadFile(Scratch / "back.bin"), std::vector<uint8_t>(data.begin(), data.begin() + long(size)));
    }
}

TEST_F(MkdistRoundTrip, DecompressRefusesAStreamThatEndsEarly) {
    WriteFile(Scratch / "raw.bin", RandomBytes(10000, 10));
    ASSERT_EQ(RunTool({"compress", Scratch / "raw.bin", Scratch / "raw.lzh"}).ExitCode, 0);
    std::vector<uint8_t> stream = ReadFile(Scratch / "raw.lzh");
    stream.resize(stream.size() / 2);
    WriteFile(Scratch / "half.lzh", stream);
    const TRunResult run = RunTool({"decompress", "--size", "10000", Scratch / "half.lzh", Scratch / "back.bin"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("half.lzh: the stream ends before 10000 bytes"), std::string::npos) << run.All();
    EXPECT_FALSE(std::filesystem::exists(Scratch / "back.bin"));
}

}  // namespace
