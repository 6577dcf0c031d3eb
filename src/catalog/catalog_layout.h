// Consistency of a catalogue with the decoded stream it describes: the main executable first,
// then every entry right after the one before it, and the total at the end of the last entry.
// The setup program relies on this without checking it; the tools check it.
#pragma once

#include <string>
#include <vector>

#include "catalog/catalog_trailer.h"

// Every way Trailer breaks the layout or holds a name that is unsafe to install, one message
// each, in catalogue order. Empty when the catalogue is sound.
std::vector<std::string> CatalogLayoutProblems(const TCatalogTrailer& Trailer);
