// Writes chosen tokens as a stream, coding each symbol with the adaptive tree as it will stand
// in the decoder. For streams too long to write out by hand; the hand-made streams of the
// decoder tests check the codes themselves.
#pragma once

#include <cstdint>
#include <vector>

#include "lzh/lzh_bit_writer.h"
#include "lzh/lzh_encoder_model.h"
#include "lzh/lzh_position_tables.h"

struct TTokenStream {
    TLzhEncoderModel Model;
    TLzhBitWriter Writer;

    TTokenStream() { LzhEncoderModelStart(Model); }

    void Symbol(unsigned S) {
        const TLzhSymbolCode code = LzhEncoderModelCode(Model, S);
        LzhPutBits(Writer, code.Bits, code.Length);
        LzhEncoderModelCount(Model, S);
    }

    void Literal(uint8_t Byte) { Symbol(Byte); }

    // A match of Length (3..60) at position code P (0..4095, P + 1 bytes back).
    void Match(unsigned Length, unsigned P) {
        Symbol(Length + LzhMatchSymbolBias);
        const TLzhPrefixCode prefix = LzhPositionPrefixCodes[P >> 6];
        LzhPutBits(Writer, prefix.Code, prefix.Length);
        LzhPutBits(Writer, P & 63, 6);
    }

    std::vector<uint8_t> Bytes() {
        TLzhBitWriter copy = Writer;
        LzhFlushBits(copy);
        return copy.Bytes;
    }
};
