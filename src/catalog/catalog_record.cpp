#include "catalog/catalog_record.h"

#include <cstring>

#include "catalog/little_endian.h"
#include "rtl/exception.h"

namespace {
constexpr int NameBytesAt = 1;
constexpr int OffsetAt = 20;
constexpr int SizeAt = 24;
}  // namespace

void EncodeCatalogRecord(const TCatalogRecord& Record, uint8_t* Out) {
    if (Record.Name.size() > size_t(CatalogNameCapacity)) {
        throw Exception("catalogue name \"" + Record.Name + "\" is " +
                        std::to_string(Record.Name.size()) + " characters long; at most " +
                        std::to_string(CatalogNameCapacity) + " fit in a record");
    }
    std::memset(Out, 0, CatalogRecordSize);
    Out[0] = uint8_t(Record.Name.size());
    std::memcpy(Out + NameBytesAt, Record.Name.data(), Record.Name.size());
    StoreInt32Le(Out + OffsetAt, Record.Offset);
    StoreInt32Le(Out + SizeAt, Record.Size);
}

TCatalogRecord DecodeCatalogRecord(const uint8_t* In) {
    const int length = In[0];
    if (length > CatalogNameCapacity) {
        throw Exception("catalogue record has a name length of " + std::to_string(length) +
                        "; at most " + std::to_string(CatalogNameCapacity) + " is allowed");
    }
    TCatalogRecord record;
    record.Name.assign(reinterpret_cast<const char*>(In + NameBytesAt), size_t(length));
    record.Offset = LoadInt32Le(In + OffsetAt);
    record.Size = LoadInt32Le(In + SizeAt);
    return record;
}
