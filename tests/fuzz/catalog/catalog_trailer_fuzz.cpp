// Feeds arbitrary file contents to the catalogue and checksum block readers and their checks. Whatever decodes must
// encode back to the same trailer bytes and decode again to the same catalogue.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "catalog/catalog_checks.h"
#include "catalog/catalog_layout.h"
#include "catalog/catalog_trailer.h"
#include "catalog/checksum_block.h"
#include "rtl/exception.h"

namespace {

void Require(bool Condition) {
    if (!Condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TCatalogTrailer trailer;
    try {
        trailer = DecodeCatalogTrailer(Data, Size);
    } catch (const Exception&) {
        return 0;
    }
    const size_t start = CatalogTrailerStart(trailer, Size);
    Require(start <= Size);
    Require(CatalogCountProblem(int64_t(Size), int(trailer.Records.size())).empty());

    for (const TCatalogRecord& record : trailer.Records) {
        Require(record.Name.size() <= size_t(CatalogNameCapacity));
        (void)CatalogNameProblem(record.Name);
    }
    (void)CatalogLayoutProblems(trailer);

    // The checksum block in front of the records: a block that decodes must encode to the same bytes.
    const TChecksumBlockSearch sums = FindChecksumBlock(Data, start);
    if (sums.Kind == TChecksumBlockSearch::TKind::Found) {
        const std::vector<uint8_t> block = EncodeChecksumBlock(sums.Checksums);
        Require(sums.Start + block.size() == start);
        Require(std::memcmp(Data + sums.Start, block.data(), block.size()) == 0);
    }

    // Filler bytes are dropped, so compare the re-encoded trailer field by field.
    const std::vector<uint8_t> encoded = EncodeCatalogTrailer(trailer);
    Require(encoded.size() == Size - start);
    for (size_t i = 0; i < trailer.Records.size(); ++i) {
        const uint8_t* original = Data + start + i * CatalogRecordSize;
        const uint8_t* again = encoded.data() + i * CatalogRecordSize;
        Require(original[0] == again[0]);
        Require(std::memcmp(original + 1, again + 1, original[0]) == 0);
        Require(std::memcmp(original + 20, again + 20, 8) == 0);
    }
    Require(std::memcmp(Data + Size - 5, encoded.data() + encoded.size() - 5, 5) == 0);
    Require(DecodeCatalogTrailer(encoded.data(), encoded.size()) == trailer);
    return 0;
}
