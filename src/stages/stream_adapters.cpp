#include "stages/stream_adapters.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "lzh/install_running.h"
#include "rtl/exception.h"
#include "setup/config.h"
#include "setup/globals.h"
#include "stages/message_pump.h"
#include "stages/progress_meter.h"
#include "stages/read_catalog.h"

TBinaryFile ArchiveFile;
TBinaryFile MainExeFile;
uint16_t InPos = 1;
int32_t InCount = 0;
uint16_t OutPos = 1;
int32_t OutTotal = 0;
TStreamCheck DecodedStream;

namespace {

// The decoder moves one byte per call: a plain store instead of a library call for it.
inline void CopyBytes(void* to, const void* from, size_t count) {
    if (count == 1) {
        *static_cast<uint8_t*>(to) = *static_cast<const uint8_t*>(from);
    } else {
        std::memcpy(to, from, count);
    }
}

// How often the archive has reported its end during this decode.
int ArchiveEndReports = 0;

// Fills InBuffer from the archive, keeping the R unread bytes at its front.
void RefillInBuffer() {
    uint8_t* in = InBuffer.get();
    if (int32_t(InPos) > InCount) {
        InCount = int32_t(ArchiveFile.BlockRead(in, AdapterBlockSize));
    } else {
        const int32_t unread = InCount - InPos + 1;
        std::memmove(in, in + InPos - 1, size_t(unread));
        InCount = unread + int32_t(ArchiveFile.BlockRead(in + unread, size_t(AdapterBlockSize - unread)));
    }
}

void NoteArchiveEnd() {
    // The first report can be the decoder's one byte of look-ahead; a second means the decoder
    // is making up data the archive never held.
    if (++ArchiveEndReports > 1) {
        throw EInOutError(IoReadBeyondEnd, "Read beyond end of file: the archive " + Config.ArchiveName +
                                               " ends before the product files are complete");
    }
}

// Writes the held bytes, counting them into the decoded stream's checksum a block at a time.
void WriteHeldBytes() {
    DecodedStream.Add(OutBuffer.get(), size_t(OutPos) - 1);
    try {
        MainExeFile.BlockWrite(OutBuffer.get(), size_t(OutPos) - 1);
    } catch (const EInOutError& error) {
        // A full drive fails the write itself on some systems; say it as a short write would.
        const int code = error.ErrorCode();
        if (code == ERROR_DISK_FULL || code == ERROR_HANDLE_DISK_FULL) throw EInOutError(IoDiskFull);
        throw;
    }
}

}  // namespace

void ResetStreamAdapters() {
    InPos = 1;
    InCount = 0;
    OutPos = 1;
    ArchiveEndReports = 0;
    DecodedStream.Reset();
}

void ReadArchiveBytes(void* Buffer, uint16_t Count, uint16_t& Actual) {
    if (InstallRunning == 0) {
        Actual = 0;
        return;
    }
    const bool refill = int32_t(InPos) > InCount || int32_t(InPos) + Count > InCount + 1;
    if (refill) {
        RefillInBuffer();
        if (InCount == 0) {
            Actual = 0;
            NoteArchiveEnd();
            return;
        }
        InPos = 1;
    }
    const int32_t valid = std::min<int32_t>(Count, InCount - InPos + 1);
    CopyBytes(Buffer, InBuffer.get() + InPos - 1, size_t(valid));
    InPos = uint16_t(InPos + Count);
    Actual = uint16_t(valid);
    // Polling an empty queue for every byte would cost more than the decoding itself.
    PumpMessagesThrottled(refill);
}

void WriteMainExeBytes(const void* Buffer, uint16_t Count, uint16_t& Actual) {
    if (InstallRunning == 0) {
        Actual = 0;
        return;
    }
    if (Count == 0) {
        WriteHeldBytes();
        return;
    }
    if (OutPos > AdapterBlockSize || OutPos + Count > AdapterBlockSize + 1) {
        WriteHeldBytes();
        OutTotal += OutPos - 1;
        OutPos = 1;
        const int32_t boundary = MeterPosition(OutTotal, CatalogTotal);
        if (ProgressMeter.Percent != LastPercent) DrawProgressMeter(boundary);
    }
    CopyBytes(OutBuffer.get() + OutPos - 1, Buffer, Count);
    OutPos = uint16_t(OutPos + Count);
    Actual = Count;
}
