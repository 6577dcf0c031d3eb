#include "catalog/crc32.h"

#include <array>

namespace {

constexpr uint32_t ReflectedPolynomial = 0xEDB88320u;

// Entry n is the CRC register after shifting the byte n through it, eight bits at a time.
constexpr std::array<uint32_t, 256> MakeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t value = n;
        for (int bit = 0; bit < 8; ++bit) value = (value & 1u) ? (value >> 1) ^ ReflectedPolynomial : value >> 1;
        table[n] = value;
    }
    return table;
}

constexpr std::array<uint32_t, 256> CrcTable = MakeCrcTable();

}  // namespace

uint32_t Crc32(const uint8_t* Data, size_t Size, uint32_t Previous) {
    uint32_t crc = ~Previous;
    for (size_t i = 0; i < Size; ++i) crc = CrcTable[(crc ^ Data[i]) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}
