// Collects codes into bytes, most significant bit first, as the decoder's bit reader takes them.
#pragma once

#include <cstdint>
#include <vector>

struct TLzhBitWriter {
    std::vector<uint8_t> Bytes;
    uint64_t Pending = 0;   // bits not yet stored, right-aligned
    unsigned PendingCount = 0;
};

// Appends the low Length bits of Bits (Length <= 32), the highest of them first.
inline void LzhPutBits(TLzhBitWriter& Writer, uint32_t Bits, unsigned Length) {
    Writer.Pending = (Writer.Pending << Length) | (Bits & ((uint64_t{1} << Length) - 1));
    Writer.PendingCount += Length;
    while (Writer.PendingCount >= 8) {
        Writer.PendingCount -= 8;
        Writer.Bytes.push_back(static_cast<uint8_t>(Writer.Pending >> Writer.PendingCount));
    }
}

// Stores the last partial byte, filled up with zero bits (the decoder reads past the end as zeros
// anyway, and never decodes beyond the last token).
inline void LzhFlushBits(TLzhBitWriter& Writer) {
    if (Writer.PendingCount > 0)
        Writer.Bytes.push_back(static_cast<uint8_t>(Writer.Pending << (8 - Writer.PendingCount)));
    Writer.PendingCount = 0;
    Writer.Pending = 0;
}
