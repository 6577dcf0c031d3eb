#include "stream_decoder.h"

#include <algorithm>
#include <cstring>

#include "lzh/install_running.h"
#include "lzh/lzh_unpack.h"

namespace {

// The decoder's source and sink take no context, so the stream they serve lives here for the
// duration of one DecodeStream call.
struct TDecodeSession {
    const uint8_t* Archive = nullptr;
    size_t Length = 0;
    size_t Position = 0;
    uint64_t ReadsPastEnd = 0;
    std::vector<uint8_t>* Output = nullptr;
    const TDecodeProgress* Progress = nullptr;
};
TDecodeSession Session;

// Progress is reported every this many bytes produced.
constexpr size_t ProgressStep = 64 * 1024;

void ReadArchive(void* Buffer, uint16_t Count, uint16_t& Actual) {
    const size_t left = Session.Length - Session.Position;
    const size_t taken = std::min<size_t>(Count, left);
    if (taken != 0) std::memcpy(Buffer, Session.Archive + Session.Position, taken);
    Session.Position += taken;
    Session.ReadsPastEnd += Count - taken;
    Actual = uint16_t(taken);
}

void WriteOutput(const void* Buffer, uint16_t Count, uint16_t& Actual) {
    const uint8_t* bytes = static_cast<const uint8_t*>(Buffer);
    Session.Output->insert(Session.Output->end(), bytes, bytes + Count);
    Actual = Count;
    if (*Session.Progress && Session.Output->size() % ProgressStep == 0) {
        (*Session.Progress)(Session.Output->size());
    }
}

}  // namespace

bool ArchiveCouldHold(size_t Length, int64_t Total) {
    constexpr int64_t MostBytesPerArchiveByte = 64;  // above the 48 a token can reach
    return Total <= (int64_t(Length) + 2) * MostBytesPerArchiveByte;
}

TDecodeResult DecodeStream(const uint8_t* Archive, size_t Length, int32_t TotalBytes,
                           const TDecodeProgress& Progress) {
    TDecodeResult result;
    result.Bytes.reserve(size_t(std::max<int32_t>(TotalBytes, 0)) + 64);
    Session = TDecodeSession{Archive, Length, 0, 0, &result.Bytes, &Progress};
    InstallRunning = 1;
    try {
        LzhUnpack(TotalBytes, ReadArchive, WriteOutput);
    } catch (...) {
        Session = TDecodeSession{};
        throw;
    }
    result.ReadsPastEnd = Session.ReadsPastEnd;
    result.ArchiveBytesRead = Session.Position;
    Session = TDecodeSession{};
    if (TotalBytes >= 0 && result.Bytes.size() > size_t(TotalBytes)) result.Bytes.resize(size_t(TotalBytes));
    if (Progress) Progress(result.Bytes.size());
    return result;
}
