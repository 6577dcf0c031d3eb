#include "stages/integrity_checks.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "catalog/crc32.h"
#include "rtl/bin_file.h"
#include "rtl/exception.h"
#include "setup/config.h"
#include "stages/read_catalog.h"

std::optional<TDistributionChecksums> CatalogChecks;

void ReadChecksumBlock(TBinaryFile& file, int64_t recordsStart) {
    CatalogChecks.reset();
    // The block is at most this long, so only the bytes in front of the records are needed.
    const int64_t span = std::min<int64_t>(recordsStart, int64_t(ChecksumBlockSize(ChecksumBlockMaxVolumes)));
    std::vector<uint8_t> tail(static_cast<size_t>(span));
    file.Seek(recordsStart - span);
    file.BlockReadExact(tail.data(), tail.size());
    const TChecksumBlockSearch search = FindChecksumBlock(tail.data(), tail.size());
    switch (search.Kind) {
    case TChecksumBlockSearch::TKind::Absent:
        return;
    case TChecksumBlockSearch::TKind::Damaged:
        throw EInOutError(ERROR_FILE_CORRUPT,
                          "The checksums of the setup program's distribution are damaged: " + search.Problem);
    case TChecksumBlockSearch::TKind::Found:
        CatalogChecks = search.Checksums;
        return;
    }
}

void TVolumeCheck::Add(const void* data, size_t length) noexcept {
    crc_ = Crc32(static_cast<const uint8_t*>(data), length, crc_);
    size_ += length;
}

bool TVolumeCheck::Matches() const noexcept {
    if (!CatalogChecks || disk_ < 1 || size_t(disk_) > CatalogChecks->Volumes.size()) return true;
    const TVolumeChecksum& packed = CatalogChecks->Volumes[size_t(disk_) - 1];
    return packed.Size == size_ && packed.Crc == crc_;
}

void RaiseDamagedVolume(const std::string& volumeName) {
    throw EInOutError(ERROR_FILE_CORRUPT,
                      "The file " + volumeName + " is damaged or belongs to another distribution");
}

void TStreamCheck::Add(const void* data, size_t length) noexcept {
    // The decoder may run a few bytes past the stream's end; those belong to no file.
    const int64_t limit = CatalogChecks ? int64_t(CatalogChecks->DecodedLength) : int64_t(CatalogTotal);
    const int64_t take = std::max<int64_t>(0, std::min<int64_t>(int64_t(length), limit - length_));
    crc_ = Crc32(static_cast<const uint8_t*>(data), size_t(take), crc_);
    length_ += take;
}

void TStreamCheck::Verify() const {
    if (!CatalogChecks) return;
    if (int64_t(CatalogChecks->DecodedLength) != CatalogTotal || length_ != CatalogTotal ||
        crc_ != CatalogChecks->DecodedCrc) {
        throw EInOutError(ERROR_FILE_CORRUPT, "The decoded product files are damaged: the archive " +
                                                  Config.ArchiveName + " does not hold the packed data");
    }
}
