// Runs the setup program's decoder over an archive held in memory, the way the extraction
// stage does, and reports whether the archive really held the whole stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

struct TDecodeResult {
    std::vector<uint8_t> Bytes;  // exactly the requested length; a final match's overshoot is cut
    // Bytes the decoder asked for after the archive had run out. It reads at most one byte
    // ahead of the data it uses, so more than that means the archive ends too early.
    uint64_t ReadsPastEnd = 0;
    uint64_t ArchiveBytesRead = 0;  // of the archive, up to its length

    bool ArchiveEndedEarly() const { return ReadsPastEnd > 1; }
};

// Whether Length archive bytes could decode to Total bytes at all. A token takes at least 10 bits
// and yields at most 60 bytes, so no archive grows by more than 48 times; a larger total means a
// damaged length, and decoding it would only spin on zero bits.
bool ArchiveCouldHold(size_t Length, int64_t Total);

using TDecodeProgress = std::function<void(uint64_t Produced)>;

// Decodes TotalBytes bytes from Archive[0..Length). Sets InstallRunning to 1 first.
// Not re-entrant: the decoder's byte source and sink are plain functions with state of their own.
TDecodeResult DecodeStream(const uint8_t* Archive, size_t Length, int32_t TotalBytes,
                           const TDecodeProgress& Progress = {});
