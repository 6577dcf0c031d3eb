#include "stages/crc32.h"

#include <array>

namespace {

// The byte table follows from the polynomial, so it is generated rather than written out.
constexpr std::array<uint32_t, 256> MakeTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<uint32_t, 256> Table = MakeTable();

}  // namespace

void TCrc32::Add(const void* data, size_t length) noexcept {
    const auto* bytes = static_cast<const uint8_t*>(data);
    uint32_t c = state_;
    for (size_t i = 0; i < length; ++i) c = Table[(c ^ bytes[i]) & 0xFF] ^ (c >> 8);
    state_ = c;
}
