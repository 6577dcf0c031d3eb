// The setup program embeds its compiled-in disk count and assembly total as an ASCII marker
// "GWSETUP-CONFIG:DiskCount=<n>;AssemblyTotalBytes=<n>;" so the packager can compare them with
// the distribution it builds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

struct TSetupConfig {
    int64_t DiskCount = 0;
    int64_t AssemblyTotalBytes = 0;
};

// The first well-formed marker in File[0..Length), if any.
std::optional<TSetupConfig> FindSetupConfig(const uint8_t* File, size_t Length);

// How many volumes the setup program copies for a compiled-in DiskCount: 1 to 4.
int VolumesCopiedFor(int64_t DiskCount);

// The CMake cache settings that build the setup program for a distribution.
std::string RebuildHint(int VolumeCount, int64_t ArchiveBytes);
