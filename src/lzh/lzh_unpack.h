// The one operation of the decompression unit: decode TotalBytes bytes of an LZH stream
// from a byte source into a byte sink.
#pragma once

#include <cstdint>
#include <string>

#include "rtl/exception.h"

// Byte source: store up to Count bytes at Buffer and set Actual to the number stored
// (0 at end of input, on failure or when cancelled). The decoder asks for one byte per call.
using TLzhReadProc = void (*)(void* Buffer, uint16_t Count, uint16_t& Actual);
// Byte sink: take Count bytes from Buffer and set Actual to the number taken.
// The decoder hands over one byte per call and never looks at Actual.
using TLzhWriteProc = void (*)(const void* Buffer, uint16_t Count, uint16_t& Actual);

// Raised when the decoder's tables cannot be obtained or released.
class ElzhException : public Exception {
public:
    explicit ElzhException(std::string message);
    const char* ClassName() const noexcept override { return "ElzhException"; }
};

// Decodes until at least TotalBytes bytes went to Sink or InstallRunning is 0 (checked before
// every token). A final match may overshoot TotalBytes by up to 59 bytes. Missing input reads as
// zero bits. The tables are obtained at entry and released on every way out.
void LzhUnpack(int32_t TotalBytes, TLzhReadProc Source, TLzhWriteProc Sink);
