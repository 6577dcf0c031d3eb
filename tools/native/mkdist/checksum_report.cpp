#include "checksum_report.h"

#include <cstdio>

#include "catalog/crc32.h"

std::string HexCrc(uint32_t Crc) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", unsigned(Crc));
    return text;
}

std::vector<std::string> VolumeChecksumProblems(const TDistributionChecksums& Sums, const TVolumeSet& Volumes) {
    std::vector<std::string> problems;
    if (Sums.Volumes.size() != Volumes.Paths.size()) {
        problems.push_back("the checksum block records " + std::to_string(Sums.Volumes.size()) +
                           " volume(s), but there are " + std::to_string(Volumes.Paths.size()));
    }
    for (size_t i = 0; i < Sums.Volumes.size() && i < Volumes.Paths.size(); ++i) {
        const std::vector<uint8_t>& bytes = Volumes.Contents[i];
        const TVolumeChecksum& recorded = Sums.Volumes[i];
        if (bytes.size() != recorded.Size) {
            problems.push_back(Volumes.Paths[i] + ": " + std::to_string(bytes.size()) + " bytes, but the checksum block records " +
                               std::to_string(recorded.Size));
            continue;
        }
        const uint32_t crc = Crc32(bytes.data(), bytes.size());
        if (crc != recorded.Crc) {
            problems.push_back(Volumes.Paths[i] + ": CRC-32 " + HexCrc(crc) + ", but the checksum block records " +
                               HexCrc(recorded.Crc) + "; the volume is damaged or out of order");
        }
    }
    return problems;
}
