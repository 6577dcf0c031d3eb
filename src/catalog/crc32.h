// CRC-32 as in zip and PNG (reflected polynomial 0xEDB88320, initial and final inversion).
// Portable; the setup program checks the distribution's checksums with it.
#pragma once

#include <cstddef>
#include <cstdint>

// The CRC-32 of Size bytes at Data. To checksum data in pieces, pass the result of the
// previous piece as Previous (0 for the first).
uint32_t Crc32(const uint8_t* Data, size_t Size, uint32_t Previous = 0);
