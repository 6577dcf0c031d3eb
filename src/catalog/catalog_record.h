// One entry of the catalogue that is appended to the setup program: a product file's name and
// the byte range it takes in the decoded stream. Stored as a fixed 28-byte record.
#pragma once

#include <cstdint>
#include <string>

// Longest name a record can hold.
constexpr int CatalogNameCapacity = 19;
// Bytes of one stored record: length byte, 19 name bytes, Offset, Size.
constexpr int CatalogRecordSize = 28;

struct TCatalogRecord {
    std::string Name;  // only the counted characters; the filler after them is never kept
    int32_t Offset = 0;  // first byte of the file in the decoded stream
    int32_t Size = 0;    // number of bytes of the file

    bool operator==(const TCatalogRecord& Other) const {
        return Name == Other.Name && Offset == Other.Offset && Size == Other.Size;
    }
};

// Writes Record into the 28 bytes at Out. The filler after the name is zeroed.
// Raises Exception when the name is longer than CatalogNameCapacity.
void EncodeCatalogRecord(const TCatalogRecord& Record, uint8_t* Out);

// Reads the 28 bytes at In. Only the counted name bytes are taken.
// Raises Exception when the length byte is above CatalogNameCapacity.
TCatalogRecord DecodeCatalogRecord(const uint8_t* In);
