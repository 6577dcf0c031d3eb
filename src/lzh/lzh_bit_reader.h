// The decoder's bit reader: the stream's bits in byte order, most significant bit first.
// State used: LzhBitBuffer and LzhBitCount (lzh_state.h). The source is asked for one byte
// whenever 8 or fewer bits are left, so the reader never holds more than one byte beyond the
// bit it will deliver next. A source that reports no byte is read as a zero byte, for ever.
#pragma once

#include <cstdint>

#include "lzh/lzh_state.h"
#include "lzh/lzh_unpack.h"

// Tops the buffer up to 9..16 bits; each new byte goes directly below the valid bits.
inline void LzhFillBits(TLzhReadProc Source) {
    while (LzhBitCount <= 8) {
        uint8_t v = 0;
        uint16_t actual = 0;
        Source(&v, 1, actual);
        if (actual != 1) v = 0;
        LzhBitBuffer = static_cast<uint16_t>(LzhBitBuffer | (v << (8 - LzhBitCount)));
        LzhBitCount = static_cast<uint8_t>(LzhBitCount + 8);
    }
}

// The next bit, 0 or 1.
inline unsigned LzhReadBit(TLzhReadProc Source) {
    LzhFillBits(Source);
    const unsigned bit = LzhBitBuffer >> 15;
    LzhBitBuffer = static_cast<uint16_t>(LzhBitBuffer << 1);
    --LzhBitCount;
    return bit;
}

// The next 8 bits as a byte, first bit in bit 7.
inline unsigned LzhReadOctet(TLzhReadProc Source) {
    LzhFillBits(Source);
    const unsigned octet = LzhBitBuffer >> 8;
    LzhBitBuffer = static_cast<uint16_t>(LzhBitBuffer << 8);
    LzhBitCount = static_cast<uint8_t>(LzhBitCount - 8);
    return octet;
}
