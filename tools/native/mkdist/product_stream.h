// The decoded stream of a distribution: the main executable's bytes followed by those of every
// catalogue entry, and the catalogue that describes them.
#pragma once

#include <string>
#include <vector>

#include "catalog/catalog_trailer.h"
#include "console.h"

struct TProductStream {
    std::vector<uint8_t> Bytes;
    TCatalogTrailer Catalog;
};

// Checks the FILE names of a pack (bare names; entries safe, unique, at most 255) and the total
// size, then reads ProductDir/Files[i] in order. Raises Exception naming the file at fault.
// Warns when no entry is the uninstall program.
TProductStream BuildProductStream(const std::string& ProductDir, const std::vector<std::string>& Files,
                                  const TConsole& Console);
