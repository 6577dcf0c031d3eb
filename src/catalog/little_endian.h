// Little-endian loads and stores of the fixed-width integers the distribution formats use.
// Byte by byte, so they work on any host and at any alignment.
#pragma once

#include <cstdint>

inline uint32_t LoadUint32Le(const uint8_t* Bytes) {
    return uint32_t(Bytes[0]) | uint32_t(Bytes[1]) << 8 | uint32_t(Bytes[2]) << 16 |
           uint32_t(Bytes[3]) << 24;
}

inline int32_t LoadInt32Le(const uint8_t* Bytes) {
    return static_cast<int32_t>(LoadUint32Le(Bytes));
}

inline void StoreUint32Le(uint8_t* Bytes, uint32_t Value) {
    Bytes[0] = uint8_t(Value);
    Bytes[1] = uint8_t(Value >> 8);
    Bytes[2] = uint8_t(Value >> 16);
    Bytes[3] = uint8_t(Value >> 24);
}

inline void StoreInt32Le(uint8_t* Bytes, int32_t Value) {
    StoreUint32Le(Bytes, static_cast<uint32_t>(Value));
}
