// The checksums that the packager records for a distribution, when the setup program's trailer
// carries them: size and CRC-32 of every volume, length and CRC-32 of the decoded stream.
// Without them every check here passes, and the setup program works as it always did.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "catalog/checksum_block.h"

// Set by ReadCatalog when the trailer has the checksum block.
extern std::optional<TDistributionChecksums> CatalogChecks;

// Reads the checksum block that ends where the catalogue's records begin, if there is one.
// A block that carries the magic but does not decode raises EInOutError.
class TBinaryFile;
void ReadChecksumBlock(TBinaryFile& file, int64_t recordsStart);

// Follows the bytes of one volume as they are copied.
class TVolumeCheck {
public:
    explicit TVolumeCheck(int disk) noexcept : disk_(disk) {}
    void Add(const void* data, size_t length) noexcept;
    // True when the bytes are the packed volume's, or when nothing was recorded for it.
    bool Matches() const noexcept;

private:
    int disk_;
    uint64_t size_ = 0;
    uint32_t crc_ = 0;
};

// Ends the setup: the named volume is not the one the distribution was packed with.
[[noreturn]] void RaiseDamagedVolume(const std::string& volumeName);

// Follows the decoded stream up to its recorded length.
class TStreamCheck {
public:
    void Reset() noexcept { *this = TStreamCheck(); }
    void Add(const void* data, size_t length) noexcept;
    // Raises EInOutError when the decoded stream is not the packed one.
    void Verify() const;

private:
    int64_t length_ = 0;
    uint32_t crc_ = 0;
};
