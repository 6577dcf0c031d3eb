// Encode and decode throughput (bytes_per_second, of the unpacked size) and the packed/unpacked
// ratio on fixed-seed data of several kinds.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "lzh/install_running.h"
#include "lzh/lzh_encoder.h"
#include "lzh/lzh_unpack.h"
#include "lzh_test_data.h"

namespace {

enum TKind { Mixed, Text, MachineCode, Random };
const char* const KindNames[] = {"mixed", "text", "machine_code", "random"};

const std::vector<uint8_t>& Input(TKind Kind) {
    static std::map<TKind, std::vector<uint8_t>> cache;
    auto& data = cache[Kind];
    if (data.empty()) {
        const size_t size = Kind == Mixed ? 4 << 20 : 1 << 20;
        data = Kind == Mixed ? MixedBytes(size, 1)
             : Kind == Text ? TextBytes(size, 2)
             : Kind == MachineCode ? MachineCodeBytes(size, 3)
                                   : RandomBytes(size, 4);
    }
    return data;
}

const std::vector<uint8_t>& Packed(TKind Kind) {
    static std::map<TKind, std::vector<uint8_t>> cache;
    auto& packed = cache[Kind];
    if (packed.empty()) packed = LzhPack(Input(Kind).data(), Input(Kind).size());
    return packed;
}

// Plain-procedure streams over memory for the decoder.
const std::vector<uint8_t>* SourceBytes;
size_t SourcePos;
size_t SinkCount;
uint8_t SinkLast;

void MemorySource(void* Buffer, uint16_t, uint16_t& Actual) {
    if (SourcePos >= SourceBytes->size()) {
        Actual = 0;
        return;
    }
    *static_cast<uint8_t*>(Buffer) = (*SourceBytes)[SourcePos++];
    Actual = 1;
}

void CountingSink(const void* Buffer, uint16_t Count, uint16_t& Actual) {
    SinkLast = *static_cast<const uint8_t*>(Buffer);
    SinkCount += Count;
    Actual = Count;
}

void BM_Pack(benchmark::State& State) {
    const TKind kind = static_cast<TKind>(State.range(0));
    const auto& data = Input(kind);
    size_t packedSize = 0;
    for (auto _ : State) {
        const auto packed = LzhPack(data.data(), data.size());
        packedSize = packed.size();
        benchmark::DoNotOptimize(packed.data());
    }
    State.SetLabel(KindNames[kind]);
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * data.size()));
    State.counters["ratio"] = static_cast<double>(packedSize) / static_cast<double>(data.size());
}

void BM_Unpack(benchmark::State& State) {
    const TKind kind = static_cast<TKind>(State.range(0));
    const auto& data = Input(kind);
    const auto& packed = Packed(kind);
    InstallRunning = 1;
    for (auto _ : State) {
        SourceBytes = &packed;
        SourcePos = 0;
        SinkCount = 0;
        LzhUnpack(static_cast<int32_t>(data.size()), MemorySource, CountingSink);
        benchmark::DoNotOptimize(SinkLast);
    }
    if (SinkCount != data.size()) State.SkipWithError("unpacked size differs");
    State.SetLabel(KindNames[kind]);
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * data.size()));
    State.counters["ratio"] = static_cast<double>(packed.size()) / static_cast<double>(data.size());
}

BENCHMARK(BM_Pack)->DenseRange(Mixed, Random)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Unpack)->DenseRange(Mixed, Random)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
