#include "lzh/lzh_unpack.h"

#include <cstring>

#include "lzh/install_running.h"
#include "lzh/lzh_tables.h"
#include "lzh/lzh_token_decode.h"

namespace {

// Hands one produced byte to the sink, then keeps it in the window.
inline void Produce(TLzhWriteProc Sink, uint8_t Byte, unsigned& W) {
    uint16_t actual = 0;  // the sink's report is not used
    Sink(&Byte, 1, actual);
    LzhWindow[W] = Byte;
    W = (W + 1) & LzhWindowMask;
}

// Decodes tokens until TotalBytes bytes are out or InstallRunning is cleared. Both are tested
// only between tokens, so a match is always produced whole.
void RunTokens(int32_t TotalBytes, TLzhReadProc Source, TLzhWriteProc Sink) {
    LzhStartModel();
    std::memset(LzhWindow, ' ', LzhStartPos);
    std::memset(LzhWindow + LzhStartPos, 0, LzhWindowSize - LzhStartPos);
    unsigned w = LzhStartPos;
    int64_t produced = 0;  // wider than the count, so a final match past 2^31 - 1 cannot wrap
    while (produced < TotalBytes && InstallRunning != 0) {
        const unsigned s = LzhDecodeSymbol(Source);
        if (s < 256) {
            Produce(Sink, static_cast<uint8_t>(s), w);
            ++produced;
        } else {
            const unsigned p = LzhDecodePosition(Source);
            const unsigned q = (w - p - 1) & LzhWindowMask;
            const unsigned n = s - LzhMatchSymbolBias;
            // One byte at a time, each stored before the next is fetched: a source that reaches
            // into the bytes being produced repeats them.
            for (unsigned k = 0; k < n; ++k)
                Produce(Sink, LzhWindow[(q + k) & LzhWindowMask], w);
            produced += n;
        }
    }
}

}  // namespace

void LzhUnpack(int32_t TotalBytes, TLzhReadProc Source, TLzhWriteProc Sink) {
    LzhAllocTables();
    try {
        RunTokens(TotalBytes, Source, Sink);
    } catch (...) {
        LzhFreeTables();  // a failed release replaces the exception in flight
        throw;
    }
    LzhFreeTables();
}
