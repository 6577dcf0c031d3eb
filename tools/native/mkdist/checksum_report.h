// Comparing a distribution with the checksum block its setup program carries, and showing it.
#pragma once

#include <string>
#include <vector>

#include "catalog/checksum_block.h"
#include "distribution_reader.h"

// Every volume whose count, size or CRC-32 differs from the block, one message each.
std::vector<std::string> VolumeChecksumProblems(const TDistributionChecksums& Sums, const TVolumeSet& Volumes);

// "0x1234ABCD".
std::string HexCrc(uint32_t Crc);
