// Reading a built distribution back: the setup program with its catalogue, and the volumes
// joined into the archive the way the setup program's assembly stage joins them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalog/catalog_trailer.h"
#include "catalog/checksum_block.h"

struct TSetupFile {
    std::string Path;
    std::vector<uint8_t> Bytes;
    TCatalogTrailer Catalog;
    size_t TrailerStart = 0;  // where the catalogue records begin
    TChecksumBlockSearch Checksums;  // the block in front of the records, if any
    // Where the data appended to the image begins: the checksum block, or else the records.
    size_t AppendedStart() const {
        return Checksums.Kind == TChecksumBlockSearch::TKind::Found ? Checksums.Start : TrailerStart;
    }
};

// Reads Path and the catalogue at its end. Raises Exception naming the file when it cannot be
// read or its last bytes are no catalogue.
TSetupFile ReadSetupFile(const std::string& Path);

// Everything wrong with a setup file for installing: not a PE executable, catalogue overlapping
// the image, catalogue layout or names. Empty when it is sound.
std::vector<std::string> SetupFileProblems(const TSetupFile& Setup);

// The setup program in Folder: Folder/Name when a name is given; otherwise the one file there
// with a sound catalogue, or else the one ".exe" file. Raises Exception when none or several fit.
std::string FindSetupProgram(const std::string& Folder, const std::optional<std::string>& Name);

struct TVolumeSet {
    std::vector<std::string> Paths;               // Glyphwor.001, .002, ... in order
    std::vector<std::vector<uint8_t>> Contents;   // their bytes
    std::vector<uint8_t> Archive;                 // all of them joined
};

// The volumes in Folder, from Glyphwor.001 up to the last one without a gap. Raises Exception
// when Glyphwor.001 is missing or a later number exists after a missing one.
TVolumeSet ReadVolumes(const std::string& Folder);

// Numbers of the files named like volumes ("Glyphwor.NNN", any case) in Folder, ascending.
std::vector<int> VolumeNumbersIn(const std::string& Folder);
