#include "file_access.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "rtl/exception.h"

namespace fs = std::filesystem;

namespace {

struct TFileCloser {
    void operator()(std::FILE* File) const { std::fclose(File); }
};
using TFileOwner = std::unique_ptr<std::FILE, TFileCloser>;

[[noreturn]] void RaiseFor(const std::string& Path, const std::string& What) {
    throw Exception(Path + ": " + What);
}

std::string SystemReason() { return std::strerror(errno); }

}  // namespace

uint64_t RegularFileSize(const std::string& Path) {
    std::error_code error;
    const fs::file_status status = fs::status(Path, error);
    if (error || !fs::exists(status)) RaiseFor(Path, "no such file");
    if (!fs::is_regular_file(status)) RaiseFor(Path, "not a regular file");
    const uintmax_t size = fs::file_size(Path, error);
    if (error) RaiseFor(Path, "cannot read its size: " + error.message());
    return size;
}

bool FileExists(const std::string& Path) {
    std::error_code error;
    return fs::exists(Path, error);
}

std::vector<uint8_t> ReadWholeFile(const std::string& Path) {
    const uint64_t size = RegularFileSize(Path);
    errno = 0;
    TFileOwner file(std::fopen(Path.c_str(), "rb"));
    if (!file) RaiseFor(Path, "cannot open for reading: " + SystemReason());
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    const size_t got = bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (got != bytes.size()) {
        RaiseFor(Path, "read " + std::to_string(got) + " of " + std::to_string(size) + " bytes");
    }
    return bytes;
}

void WriteWholeFile(const std::string& Path, const uint8_t* Bytes, size_t Size) {
    errno = 0;
    TFileOwner file(std::fopen(Path.c_str(), "wb"));
    if (!file) RaiseFor(Path, "cannot create: " + SystemReason());
    if (Size != 0 && std::fwrite(Bytes, 1, Size, file.get()) != Size) {
        RaiseFor(Path, "write failed: " + SystemReason());
    }
    if (std::fclose(file.release()) != 0) RaiseFor(Path, "write failed: " + SystemReason());
}

void WriteWholeFile(const std::string& Path, const std::vector<uint8_t>& Bytes) {
    WriteWholeFile(Path, Bytes.data(), Bytes.size());
}

std::string PathIn(const std::string& Folder, const std::string& Name) {
    return (fs::path(Folder) / Name).string();
}

std::string BaseName(const std::string& Path) {
    return fs::path(Path).filename().string();
}
