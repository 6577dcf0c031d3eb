#include "catalog/checksum_block.h"

#include <cstring>

#include "catalog/crc32.h"
#include "catalog/little_endian.h"
#include "rtl/exception.h"

namespace {
constexpr size_t MagicLength = sizeof ChecksumBlockMagic;
constexpr size_t CountAt = MagicLength;
constexpr size_t VolumesAt = CountAt + 1;
}  // namespace

std::vector<uint8_t> EncodeChecksumBlock(const TDistributionChecksums& Checksums) {
    const size_t count = Checksums.Volumes.size();
    if (count == 0 || count > ChecksumBlockMaxVolumes) {
        throw Exception("a checksum block holds 1 to 255 volumes, not " + std::to_string(count));
    }
    std::vector<uint8_t> block(ChecksumBlockSize(count));
    std::memcpy(block.data(), ChecksumBlockMagic, MagicLength);
    block[CountAt] = uint8_t(count);
    uint8_t* at = block.data() + VolumesAt;
    for (const TVolumeChecksum& volume : Checksums.Volumes) {
        StoreUint32Le(at, volume.Size);
        StoreUint32Le(at + 4, volume.Crc);
        at += 8;
    }
    StoreUint32Le(at, Checksums.DecodedLength);
    StoreUint32Le(at + 4, Checksums.DecodedCrc);
    StoreUint32Le(at + 8, Crc32(block.data(), size_t(at + 8 - block.data())));
    StoreUint32Le(at + 12, uint32_t(block.size()));
    return block;
}

TDistributionChecksums DecodeChecksumBlock(const uint8_t* Block, size_t Length) {
    if (Length < ChecksumBlockSize(1) || std::memcmp(Block, ChecksumBlockMagic, MagicLength) != 0) {
        throw Exception("no checksum block: the magic \"GWSUMS01\" is missing");
    }
    const size_t count = Block[CountAt];
    if (count == 0 || ChecksumBlockSize(count) != Length || LoadUint32Le(Block + Length - 4) != Length) {
        throw Exception("checksum block of " + std::to_string(Length) + " bytes does not fit its volume count " +
                        std::to_string(count));
    }
    const size_t checkedLength = Length - 8;
    if (Crc32(Block, checkedLength) != LoadUint32Le(Block + checkedLength)) {
        throw Exception("checksum block is damaged: its own CRC-32 does not match");
    }
    TDistributionChecksums checksums;
    const uint8_t* at = Block + VolumesAt;
    for (size_t i = 0; i < count; ++i, at += 8) {
        checksums.Volumes.push_back({LoadUint32Le(at), LoadUint32Le(at + 4)});
    }
    checksums.DecodedLength = LoadUint32Le(at);
    checksums.DecodedCrc = LoadUint32Le(at + 4);
    return checksums;
}

TChecksumBlockSearch FindChecksumBlock(const uint8_t* File, size_t RecordsStart) {
    TChecksumBlockSearch search;
    if (RecordsStart < ChecksumBlockSize(1)) return search;
    const uint32_t length = LoadUint32Le(File + RecordsStart - 4);
    if (length < ChecksumBlockSize(1) || length > RecordsStart) return search;
    const uint8_t* block = File + RecordsStart - length;
    if (std::memcmp(block, ChecksumBlockMagic, MagicLength) != 0) return search;
    try {
        search.Checksums = DecodeChecksumBlock(block, length);
        search.Kind = TChecksumBlockSearch::TKind::Found;
        search.Start = RecordsStart - length;
    } catch (const Exception& error) {
        search.Kind = TChecksumBlockSearch::TKind::Damaged;
        search.Problem = error.Message();
    }
    return search;
}
