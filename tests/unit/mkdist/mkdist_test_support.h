// Helpers of the mkdist tests: a scratch folder per test, generated product files (fixed
// seeds), a minimal PE executable standing in for the setup program, and mkdist run in-process.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A fresh, empty folder named after the running test; removed again when the test passed.
class TScratchFolder {
public:
    TScratchFolder();
    ~TScratchFolder();
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& Name) const;

private:
    std::string path_;
};

// Bytes that do not compress.
std::vector<uint8_t> RandomBytes(size_t Size, uint32_t Seed);
// Bytes that compress well: words from a small vocabulary.
std::vector<uint8_t> TextBytes(size_t Size, uint32_t Seed);

void WriteFile(const std::string& Path, const std::vector<uint8_t>& Bytes);
std::vector<uint8_t> ReadFile(const std::string& Path);
uint64_t FileSize(const std::string& Path);

// A minimal 32-bit PE executable of 1024 bytes (headers, one data section). With a Marker,
// the section holds that text, e.g. "GWSETUP-CONFIG:DiskCount=2;AssemblyTotalBytes=2795000;".
std::vector<uint8_t> FakeSetupImage(const std::optional<std::string>& Marker);
std::string ConfigMarker(int64_t DiskCount, int64_t AssemblyTotalBytes);

struct TRunResult {
    int ExitCode = 0;
    std::string Out;
    std::string Err;
    std::string All() const { return Out + Err; }
};

// Runs mkdist with Words (the arguments after the program name).
TRunResult RunTool(const std::vector<std::string>& Words);
