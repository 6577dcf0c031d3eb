// The checksums that the packager records for a distribution, when the setup program's trailer
// carries them: a CRC-32 of every volume and of the decoded stream. Without them every check
// here passes, and the setup program works as it always did.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "stages/crc32.h"

struct TCatalogChecks {
    std::vector<uint32_t> VolumeCrcs;  // volume 1 first
    uint32_t StreamCrc = 0;
    int64_t StreamLength = 0;
};

// Set by ReadCatalog when the trailer has the checksum block.
extern std::optional<TCatalogChecks> CatalogChecks;

// Follows the bytes of one volume as they are copied.
class TVolumeCheck {
public:
    explicit TVolumeCheck(int disk) noexcept : disk_(disk) {}
    void Add(const void* data, size_t length) noexcept { crc_.Add(data, length); }
    // True when the bytes are the packed volume's, or when nothing was recorded for it.
    bool Matches() const noexcept;

private:
    int disk_;
    TCrc32 crc_;
};

// Ends the setup: the named volume is not the one the distribution was packed with.
[[noreturn]] void RaiseDamagedVolume(const std::string& volumeName);

// Follows the decoded stream up to its recorded length.
class TStreamCheck {
public:
    void Reset() noexcept { *this = TStreamCheck(); }
    void Add(const void* data, size_t length) noexcept;
    int64_t Length() const noexcept { return length_; }
    // Raises EInOutError when the decoded stream is not the packed one.
    void Verify() const;

private:
    int64_t length_ = 0;
    TCrc32 crc_;
};
