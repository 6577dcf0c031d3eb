// The byte source and byte sink between the decoder and the files of the extraction stage.
#pragma once

#include <cstdint>

// Serves the decoder from the archive through InBuffer, letting the message queue run.
void ReadArchiveBytes(void* Buffer, uint16_t Count, uint16_t& Actual);
// Gathers decoded bytes in OutBuffer and writes them to the main executable in blocks.
void WriteMainExeBytes(const void* Buffer, uint16_t Count, uint16_t& Actual);
