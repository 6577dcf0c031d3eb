#include "mkdist_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "commands.h"

namespace fs = std::filesystem;

TScratchFolder::TScratchFolder() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("mkdist_") + test->test_suite_name() + "_" + test->name();
    for (char& c : name) {
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    path_ = (fs::path(::testing::TempDir()) / name).string();
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TScratchFolder::~TScratchFolder() {
    // A failed test leaves its files for a look.
    if (!::testing::Test::HasFailure()) {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
}

std::string TScratchFolder::operator/(const std::string& Name) const { return (fs::path(path_) / Name).string(); }

std::vector<uint8_t> RandomBytes(size_t Size, uint32_t Seed) {
    std::mt19937 random(Seed);
    std::vector<uint8_t> bytes(Size);
    for (uint8_t& b : bytes) b = uint8_t(random());
    return bytes;
}

std::vector<uint8_t> TextBytes(size_t Size, uint32_t Seed) {
    static const char* const words[] = {"glyph ", "work ", "setup ", "font ", "kerning ", "outline ",
                                        "hinting ", "\r\n", "serif ", "the "};
    std::mt19937 random(Seed);
    std::vector<uint8_t> bytes;
    while (bytes.size() < Size) {
        const char* word = words[random() % std::size(words)];
        bytes.insert(bytes.end(), word, word + std::strlen(word));
    }
    bytes.resize(Size);
    return bytes;
}

void WriteFile(const std::string& Path, const std::vector<uint8_t>& Bytes) {
    std::ofstream file(Path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(Bytes.data()), std::streamsize(Bytes.size()));
    ASSERT_TRUE(file.good()) << Path;
}

std::vector<uint8_t> ReadFile(const std::string& Path) {
    std::ifstream file(Path, std::ios::binary);
    EXPECT_TRUE(file.good()) << "cannot read " << Path;
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

uint64_t FileSize(const std::string& Path) { return fs::file_size(Path); }

namespace {
void Put16(std::vector<uint8_t>& Bytes, size_t At, uint16_t Value) {
    Bytes[At] = uint8_t(Value);
    Bytes[At + 1] = uint8_t(Value >> 8);
}
void Put32(std::vector<uint8_t>& Bytes, size_t At, uint32_t Value) {
    for (int i = 0; i < 4; ++i) Bytes[At + i] = uint8_t(Value >> (8 * i));
}
}  // namespace

std::vector<uint8_t> FakeSetupImage(const std::optional<std::string>& Marker) {
    std::vector<uint8_t> image(0x400, 0);
    image[0] = 'M';
    image[1] = 'Z';
    Put32(image, 0x3C, 0x40);              // e_lfanew: PE header at 0x40
    std::memcpy(&image[0x40], "PE\0\0", 4);
    const size_t coff = 0x44;
    Put16(image, coff + 0, 0x14C);          // Machine: i386
    Put16(image, coff + 2, 1);              // NumberOfSections
    Put16(image, coff + 16, 224);           // SizeOfOptionalHeader (PE32)
    Put16(image, coff + 18, 0x0102);        // Characteristics: executable, 32-bit
    const size_t optional = coff + 20;
    Put16(image, optional, 0x10B);          // PE32
    Put32(image, optional + 60, 0x200);     // SizeOfHeaders
    Put32(image, optional + 92, 16);        // NumberOfRvaAndSizes
    const size_t section = optional + 224;
    std::memcpy(&image[section], ".data\0\0\0", 8);
    Put32(image, section + 8, 0x200);       // VirtualSize
    Put32(image, section + 12, 0x1000);     // VirtualAddress
    Put32(image, section + 16, 0x200);      // SizeOfRawData
    Put32(image, section + 20, 0x200);      // PointerToRawData
    if (Marker) std::memcpy(&image[0x220], Marker->data(), std::min<size_t>(Marker->size(), 0x1C0));
    return image;
}

std::string ConfigMarker(int64_t DiskCount, int64_t AssemblyTotalBytes) {
    return "GWSETUP-CONFIG:DiskCount=" + std::to_string(DiskCount) +
           ";AssemblyTotalBytes=" + std::to_string(AssemblyTotalBytes) + ";";
}

TRunResult RunTool(const std::vector<std::string>& Words) {
    std::ostringstream out;
    std::ostringstream err;
    TRunResult result;
    result.ExitCode = RunMkdist(Words, out, err);
    result.Out = out.str();
    result.Err = err.str();
    return result;
}
