// Checks of catalogue contents that the setup program makes before it trusts them.
// Kept free of any other project header so the Windows program can include it as it is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Tells why Name (Length bytes, ANSI) cannot be installed as a file of the destination folder:
// empty, "." or "..", longer than 19 characters, holding a folder separator, a drive colon or
// another character Windows refuses, ending in a dot or blank, or naming a device.
// Returns an empty string when the name is safe.
std::string CatalogNameProblem(const char* Name, size_t Length);

inline std::string CatalogNameProblem(const std::string& Name) {
    return CatalogNameProblem(Name.data(), Name.size());
}

// Tells why a file of FileLength bytes cannot hold a trailer with Count records: the records
// would start before the beginning of the file. Returns an empty string when they fit.
std::string CatalogCountProblem(int64_t FileLength, int Count);
