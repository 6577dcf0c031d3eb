// The catalogue trailer: the records of all catalogue entries, then the entry count (one byte),
// then the length of the decoded stream (signed 32-bit), all little-endian, appended to the
// setup program's file. It is read from the end of the file, so its start follows from the count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "catalog/catalog_record.h"

// Count byte plus CatalogTotal.
constexpr int CatalogTrailerFixedSize = 5;
// The count is one unsigned byte.
constexpr int CatalogMaxEntries = 255;

struct TCatalogTrailer {
    std::vector<TCatalogRecord> Records;  // in catalogue order
    int32_t Total = 0;                    // length of the whole decoded stream (CatalogTotal)

    bool operator==(const TCatalogTrailer& Other) const {
        return Records == Other.Records && Total == Other.Total;
    }
};

// Bytes a trailer of Count records takes at the end of the file.
constexpr size_t CatalogTrailerSize(size_t Count) {
    return CatalogTrailerFixedSize + CatalogRecordSize * Count;
}

// The trailer's bytes, ready to append. Raises Exception for more than CatalogMaxEntries
// records or a name that does not fit.
std::vector<uint8_t> EncodeCatalogTrailer(const TCatalogTrailer& Trailer);

// Reads the trailer at the end of a file whose whole content is File[0..Length).
// Raises Exception when the file is too short for the count it ends with, or a record is
// malformed. Nothing else is checked (see catalog_layout.h for that).
TCatalogTrailer DecodeCatalogTrailer(const uint8_t* File, size_t Length);

// Where the trailer of a decoded catalogue starts in a file of Length bytes.
inline size_t CatalogTrailerStart(const TCatalogTrailer& Trailer, size_t Length) {
    return Length - CatalogTrailerSize(Trailer.Records.size());
}
