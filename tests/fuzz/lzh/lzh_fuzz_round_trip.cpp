// Packs arbitrary bytes and unpacks the result: the output must be exactly the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "lzh/install_running.h"
#include "lzh/lzh_decoder.h"
#include "lzh/lzh_encoder.h"

namespace {

const std::vector<uint8_t>* Packed;
size_t PackedPos;
std::vector<uint8_t> Output;

void PackedSource(void* Buffer, uint16_t, uint16_t& Actual) {
    if (PackedPos >= Packed->size()) {
        Actual = 0;
        return;
    }
    *static_cast<uint8_t*>(Buffer) = (*Packed)[PackedPos++];
    Actual = 1;
}

void OutputSink(const void* Buffer, uint16_t Count, uint16_t& Actual) {
    const uint8_t* bytes = static_cast<const uint8_t*>(Buffer);
    Output.insert(Output.end(), bytes, bytes + Count);
    Actual = Count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::vector<uint8_t> packed = LzhPack(Data, Size);
    Packed = &packed;
    PackedPos = 0;
    Output.clear();
    InstallRunning = 1;
    LzhUnpack(static_cast<int32_t>(Size), PackedSource, OutputSink);
    if (Output.size() != Size) std::abort();
    if (Size > 0 && std::memcmp(Output.data(), Data, Size) != 0) std::abort();
    return 0;
}
