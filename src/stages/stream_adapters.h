// The byte source and byte sink between the decoder and the files of the extraction stage.
#pragma once

#include <cstdint>

#include "rtl/bin_file.h"
#include "stages/integrity_checks.h"

// Refill size and flush size of the two buffers.
constexpr int32_t AdapterBlockSize = 2048;

// The archive, open for reading, and the main executable, open for writing, while the
// extraction stage decodes. The stage opens and closes them.
extern TBinaryFile ArchiveFile;
extern TBinaryFile MainExeFile;

// 1-based positions in InBuffer and OutBuffer, as the buffers' layout is described.
extern uint16_t InPos;     // next unread byte
extern int32_t InCount;    // valid bytes, positions 1..InCount
extern uint16_t OutPos;    // next free byte; OutPos - 1 bytes are held
extern int32_t OutTotal;   // bytes written to the main executable by the block writes
// The decoded stream as the sink took it, for the check against the packed stream.
extern TStreamCheck DecodedStream;

// Empties both buffers before a decode.
void ResetStreamAdapters();

// Serves the decoder from the archive through InBuffer, letting the message queue run.
// Raises EInOutError when the archive cannot be read, or when it has ended and the decoder
// asks again (the decoder reads at most one byte past the data it uses).
void ReadArchiveBytes(void* Buffer, uint16_t Count, uint16_t& Actual);
// Gathers decoded bytes in OutBuffer and writes them to the main executable in blocks,
// moving the bar after each block. Count 0 writes what is held. A failed or short write raises.
void WriteMainExeBytes(const void* Buffer, uint16_t Count, uint16_t& Actual);
