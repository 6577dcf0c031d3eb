// Builds byte strings from written-out bits, for hand-made streams.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Concatenates the fields (strings of '0' and '1'; spaces are ignored), most significant bit
// first, and pads the last byte with zero bits.
inline std::vector<uint8_t> BitsToBytes(std::initializer_list<const char*> Fields) {
    std::vector<uint8_t> bytes;
    unsigned count = 0;
    for (const char* field : Fields) {
        for (const char* c = field; *c != '\0'; ++c) {
            if (*c == ' ') continue;
            if (count % 8 == 0) bytes.push_back(0);
            if (*c == '1') bytes.back() |= static_cast<uint8_t>(0x80 >> (count % 8));
            ++count;
        }
    }
    return bytes;
}

// The low Length bits of Value, most significant first, as a string of '0' and '1'.
inline std::string BitString(uint32_t Value, unsigned Length) {
    std::string bits;
    for (unsigned k = Length; k-- > 0;) bits += ((Value >> k) & 1u) ? '1' : '0';
    return bits;
}
