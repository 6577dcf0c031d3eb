#include "setup_config_marker.h"

#include <algorithm>
#include <cstring>

#include "distribution_names.h"

namespace {

constexpr char MarkerStart[] = "GWSETUP-CONFIG:DiskCount=";
constexpr char MarkerMiddle[] = ";AssemblyTotalBytes=";

// Reads an optionally negative decimal at Text[At..Length) ended by Terminator; moves At past it.
bool ReadNumber(const uint8_t* Text, size_t Length, size_t& At, char Terminator, int64_t& Value) {
    bool negative = false;
    if (At < Length && Text[At] == '-') {
        negative = true;
        ++At;
    }
    size_t digits = 0;
    int64_t magnitude = 0;
    while (At < Length && Text[At] >= '0' && Text[At] <= '9' && digits < 12) {
        magnitude = magnitude * 10 + (Text[At] - '0');
        ++At;
        ++digits;
    }
    if (digits == 0 || At >= Length || Text[At] != Terminator) return false;
    ++At;
    Value = negative ? -magnitude : magnitude;
    return true;
}

bool MatchesAt(const uint8_t* Text, size_t Length, size_t At, const char* Word, size_t WordLength) {
    return At + WordLength <= Length && std::memcmp(Text + At, Word, WordLength) == 0;
}

}  // namespace

std::optional<TSetupConfig> FindSetupConfig(const uint8_t* File, size_t Length) {
    const size_t startLength = sizeof MarkerStart - 1;
    const size_t middleLength = sizeof MarkerMiddle - 1;
    const uint8_t* end = File + Length;
    for (const uint8_t* hit = std::search(File, end, MarkerStart, MarkerStart + startLength);
         hit != end; hit = std::search(hit + 1, end, MarkerStart, MarkerStart + startLength)) {
        size_t at = size_t(hit - File) + startLength;
        TSetupConfig config;
        if (!ReadNumber(File, Length, at, ';', config.DiskCount)) continue;
        --at;  // the middle part begins with the ';' that ended the number
        if (!MatchesAt(File, Length, at, MarkerMiddle, middleLength)) continue;
        at += middleLength;
        if (!ReadNumber(File, Length, at, ';', config.AssemblyTotalBytes)) continue;
        return config;
    }
    return std::nullopt;
}

int VolumesCopiedFor(int64_t DiskCount) {
    return int(std::clamp<int64_t>(DiskCount, 1, MaxVolumes));
}

std::string RebuildHint(int VolumeCount, int64_t ArchiveBytes) {
    return "-DGLYPHWORK_DISK_COUNT=" + std::to_string(VolumeCount) +
           " -DGLYPHWORK_ASSEMBLY_TOTAL_BYTES=" + std::to_string(ArchiveBytes);
}
