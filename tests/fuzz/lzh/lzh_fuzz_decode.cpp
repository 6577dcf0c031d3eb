// Feeds arbitrary bytes to the decoder. Input: 2 bytes of TotalBytes (0..65535, little-endian),
// 1 byte that may cancel the unpack after that many output bytes (0: never), then the stream.
// Every input must decode without a fault, produce between TotalBytes and TotalBytes + 59 bytes
// (fewer only when cancelled) and leave no table held.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "lzh/install_running.h"
#include "lzh/lzh_decoder.h"

namespace {

const uint8_t* StreamData;
size_t StreamSize;
size_t StreamPos;
size_t Produced;
size_t CancelAt;

void FuzzSource(void* Buffer, uint16_t Count, uint16_t& Actual) {
    if (Count != 1) std::abort();
    if (StreamPos >= StreamSize) {
        Actual = 0;
        return;
    }
    *static_cast<uint8_t*>(Buffer) = StreamData[StreamPos++];
    Actual = 1;
}

void FuzzSink(const void*, uint16_t Count, uint16_t& Actual) {
    if (Count != 1) std::abort();
    ++Produced;
    if (Produced == CancelAt) InstallRunning = 0;
    Actual = 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    if (Size < 3) return 0;
    const int32_t total = Data[0] | (Data[1] << 8);
    CancelAt = Data[2];
    StreamData = Data + 3;
    StreamSize = Size - 3;
    StreamPos = 0;
    Produced = 0;
    InstallRunning = 1;
    LzhUnpack(total, FuzzSource, FuzzSink);
    if (LzhTablesHeld()) std::abort();
    const bool cancelled = InstallRunning == 0;
    if (Produced > static_cast<size_t>(total) + 59) std::abort();  // at most one match beyond
    if (total == 0 && Produced != 0) std::abort();
    if (!cancelled && Produced < static_cast<size_t>(total)) std::abort();
    if (cancelled && Produced < CancelAt) std::abort();
    return 0;
}
