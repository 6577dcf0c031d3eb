// Byte source and sink for driving the decoder in tests. The decoder takes plain procedures
// without context, so the streams are one shared instance, reset by each helper call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "lzh/install_running.h"
#include "lzh/lzh_unpack.h"

struct TTestStreams {
    std::vector<uint8_t> Input;   // what the source delivers, one byte per call
    size_t InputPos = 0;
    size_t SourceCalls = 0;       // every call, including those past the end
    std::vector<uint8_t> Output;  // what the sink received
    size_t SinkCallsWithOtherCount = 0;  // calls whose Count was not 1
    // Optional hooks, run at the start of each call (may throw or clear InstallRunning).
    std::function<void()> OnSource;
    std::function<void()> OnSink;
};

inline TTestStreams TestStreams;

inline void TestSource(void* Buffer, uint16_t Count, uint16_t& Actual) {
    ++TestStreams.SourceCalls;
    if (TestStreams.OnSource) TestStreams.OnSource();
    if (Count != 1 || TestStreams.InputPos >= TestStreams.Input.size()) {
        Actual = 0;
        return;
    }
    *static_cast<uint8_t*>(Buffer) = TestStreams.Input[TestStreams.InputPos++];
    Actual = 1;
}

inline void TestSink(const void* Buffer, uint16_t Count, uint16_t& Actual) {
    if (TestStreams.OnSink) TestStreams.OnSink();
    if (Count != 1) ++TestStreams.SinkCallsWithOtherCount;
    const uint8_t* bytes = static_cast<const uint8_t*>(Buffer);
    TestStreams.Output.insert(TestStreams.Output.end(), bytes, bytes + Count);
    Actual = Count;
}

// Starts fresh streams over Input, with InstallRunning set.
inline void ResetTestStreams(std::vector<uint8_t> Input) {
    TestStreams = TTestStreams{};
    TestStreams.Input = std::move(Input);
    InstallRunning = 1;
}

// Decodes TotalBytes bytes of Input and returns what the sink received.
inline std::vector<uint8_t> UnpackBytes(std::vector<uint8_t> Input, int32_t TotalBytes) {
    ResetTestStreams(std::move(Input));
    LzhUnpack(TotalBytes, TestSource, TestSink);
    return TestStreams.Output;
}
