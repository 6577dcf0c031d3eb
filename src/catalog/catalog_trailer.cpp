#include "catalog/catalog_trailer.h"

#include <string>

#include "catalog/catalog_checks.h"
#include "catalog/little_endian.h"
#include "rtl/exception.h"

std::vector<uint8_t> EncodeCatalogTrailer(const TCatalogTrailer& Trailer) {
    const size_t count = Trailer.Records.size();
    if (count > size_t(CatalogMaxEntries)) {
        throw Exception("a catalogue holds at most " + std::to_string(CatalogMaxEntries) +
                        " entries, not " + std::to_string(count));
    }
    std::vector<uint8_t> bytes(CatalogTrailerSize(count));
    for (size_t i = 0; i < count; ++i) {
        EncodeCatalogRecord(Trailer.Records[i], bytes.data() + i * CatalogRecordSize);
    }
    uint8_t* tail = bytes.data() + count * CatalogRecordSize;
    tail[0] = uint8_t(count);
    StoreInt32Le(tail + 1, Trailer.Total);
    return bytes;
}

TCatalogTrailer DecodeCatalogTrailer(const uint8_t* File, size_t Length) {
    if (Length < size_t(CatalogTrailerFixedSize)) {
        throw Exception("the file is " + std::to_string(Length) +
                        " bytes long, too short to end in a catalogue");
    }
    const int count = File[Length - 5];
    const std::string countProblem = CatalogCountProblem(int64_t(Length), count);
    if (!countProblem.empty()) throw Exception(countProblem);

    TCatalogTrailer trailer;
    trailer.Total = LoadInt32Le(File + Length - 4);
    const uint8_t* records = File + Length - CatalogTrailerSize(size_t(count));
    trailer.Records.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        try {
            trailer.Records.push_back(DecodeCatalogRecord(records + size_t(i) * CatalogRecordSize));
        } catch (const Exception& error) {
            throw Exception("catalogue entry " + std::to_string(i + 1) + ": " + error.Message());
        }
    }
    return trailer;
}
