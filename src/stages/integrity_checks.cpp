#include "stages/integrity_checks.h"

#include <windows.h>

#include <algorithm>

#include "rtl/exception.h"
#include "setup/config.h"
#include "stages/read_catalog.h"

std::optional<TCatalogChecks> CatalogChecks;

bool TVolumeCheck::Matches() const noexcept {
    if (!CatalogChecks || disk_ < 1 || size_t(disk_) > CatalogChecks->VolumeCrcs.size()) return true;
    return CatalogChecks->VolumeCrcs[size_t(disk_) - 1] == crc_.Value();
}

void RaiseDamagedVolume(const std::string& volumeName) {
    throw EInOutError(ERROR_FILE_CORRUPT, "The file " + volumeName +
                                              " is damaged or belongs to another distribution");
}

void TStreamCheck::Add(const void* data, size_t length) noexcept {
    // The decoder may run a few bytes past the stream's end; those belong to no file.
    const int64_t limit = CatalogChecks ? CatalogChecks->StreamLength : int64_t(CatalogTotal);
    const int64_t take = std::max<int64_t>(0, std::min<int64_t>(int64_t(length), limit - length_));
    crc_.Add(data, size_t(take));
    length_ += take;
}

void TStreamCheck::Verify() const {
    if (!CatalogChecks) return;
    if (CatalogChecks->StreamLength != CatalogTotal || length_ != CatalogChecks->StreamLength ||
        crc_.Value() != CatalogChecks->StreamCrc) {
        throw EInOutError(ERROR_FILE_CORRUPT, "The decoded product files are damaged: the archive " +
                                                  Config.ArchiveName + " does not hold the packed data");
    }
}
