#include "stages/read_catalog.h"

#include <windows.h>

#include <cctype>
#include <cstdint>

#include "catalog/catalog_checks.h"
#include "catalog/catalog_record.h"
#include "catalog/little_endian.h"
#include "rtl/bin_file.h"
#include "rtl/exception.h"
#include "setup/config.h"
#include "stages/integrity_checks.h"

std::unique_ptr<TCatalogEntry> CatalogHead;
int32_t CatalogTotal = 0;

namespace {

[[noreturn]] void RaiseDamagedCatalog(const std::string& problem) {
    throw EInOutError(ERROR_FILE_CORRUPT, "The file catalogue of the setup program is damaged: " + problem);
}

bool SameTextAscii(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// Everything the extraction stage relies on to write only bare files inside the destination
// folder and to read only bytes the decoded stream has.
void CheckEntry(const TCatalogEntry& entry) {
    std::string problem = CatalogNameProblem(entry.Name);
    if (!problem.empty()) RaiseDamagedCatalog(problem);
    // The split reads from the main executable and holds it open; an entry of that name could
    // never be written and would hide the packer's mistake.
    if (SameTextAscii(entry.Name, Config.MainExeName)) {
        RaiseDamagedCatalog("\"" + entry.Name + "\" would overwrite the main executable");
    }
    if (entry.Offset < 0 || entry.Size < 0 || int64_t(entry.Offset) + entry.Size > CatalogTotal) {
        RaiseDamagedCatalog("\"" + entry.Name + "\" lies outside the decoded stream");
    }
}

}  // namespace

void ReadCatalog() {
    TBinaryFile self;
    self.Reset(ModuleFileName(), FileModeRead | FileShareDenyWrite);
    const int64_t length = self.FileSize();

    uint8_t fixed[4];
    self.Seek(length - 4);
    self.BlockReadExact(fixed, 4);
    CatalogTotal = LoadInt32Le(fixed);

    uint8_t count = 0;
    self.Seek(length - 5);
    self.BlockReadExact(&count, 1);

    ReleaseCatalog();
    std::string problem = CatalogCountProblem(length, count);
    if (!problem.empty()) RaiseDamagedCatalog(problem);
    // Without a first entry the main executable's length is unknown.
    if (count == 0) RaiseDamagedCatalog("it lists no files");

    const int64_t recordsStart = length - 5 - int64_t(CatalogRecordSize) * count;
    ReadChecksumBlock(self, recordsStart);
    self.Seek(recordsStart);
    std::unique_ptr<TCatalogEntry>* tail = &CatalogHead;
    for (int i = 0; i < count; ++i) {
        uint8_t record[CatalogRecordSize];
        self.BlockReadExact(record, sizeof record);
        if (record[0] > CatalogNameCapacity) {
            RaiseDamagedCatalog("a name length of " + std::to_string(record[0]) + " does not fit its record");
        }
        TCatalogRecord decoded = DecodeCatalogRecord(record);
        auto entry = std::make_unique<TCatalogEntry>();
        entry->Name = std::move(decoded.Name);
        entry->Offset = decoded.Offset;
        entry->Size = decoded.Size;
        CheckEntry(*entry);
        *tail = std::move(entry);
        tail = &(*tail)->Next;
    }
    self.Close();
}

void ReleaseCatalog() noexcept {
    // One entry at a time, first to last, so a long list never recurses through its destructors.
    while (CatalogHead) CatalogHead = std::move(CatalogHead->Next);
}
