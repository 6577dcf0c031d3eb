// The catalogue of the product's files, read from the trailer at the end of the setup
// program's own file: where each file lies in the decoded stream and how long that stream is.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

// One product file: its bare name and its byte range in the decoded stream.
struct TCatalogEntry {
    std::string Name;  // the counted characters only; the record's filler is never kept
    int32_t Offset = 0;
    int32_t Size = 0;
    std::unique_ptr<TCatalogEntry> Next;  // the following entry; empty after the last
};

// The first entry of the list, in trailer order; empty when no catalogue is held.
extern std::unique_ptr<TCatalogEntry> CatalogHead;
// Length in bytes of the whole decoded stream.
extern int32_t CatalogTotal;

// Reads the trailer of the running program's file into CatalogHead and CatalogTotal.
// A trailer that is cut short, holds no entry, a name that is not a bare file name, or a range
// outside the decoded stream raises EInOutError before anything has been written.
void ReadCatalog();

// Releases the entries first to last and leaves the list empty.
void ReleaseCatalog() noexcept;
