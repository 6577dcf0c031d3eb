// The checksum block: CRC-32 checksums of every volume and of the decoded stream, placed by the
// packager immediately before the catalogue records, so that the catalogue trailer keeps its
// format and its place at the end of the setup program. A reader that does not know the block
// never looks at it.
//
// Layout, all integers unsigned little-endian, V = volume count:
//
//   offset    length  field
//   0         8       magic "GWSUMS01" (the two digits are the layout version)
//   8         1       V, 1..255
//   9         8·V     per volume in disk order: size (4), CRC-32 of its bytes (4)
//   9 + 8V    4       length of the decoded stream
//   13 + 8V   4       CRC-32 of the decoded stream
//   17 + 8V   4       CRC-32 of bytes 0 .. 16 + 8V of this block
//   21 + 8V   4       length of the whole block, 25 + 8V
//
// With L the file length and N the catalogue's entry count, the block ends where the records
// begin, at L − 5 − 28·N; its last four bytes give its length and so its start.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr char ChecksumBlockMagic[8] = {'G', 'W', 'S', 'U', 'M', 'S', '0', '1'};
constexpr size_t ChecksumBlockMaxVolumes = 255;

constexpr size_t ChecksumBlockSize(size_t VolumeCount) { return 25 + 8 * VolumeCount; }

struct TVolumeChecksum {
    uint32_t Size = 0;
    uint32_t Crc = 0;
    bool operator==(const TVolumeChecksum& Other) const { return Size == Other.Size && Crc == Other.Crc; }
};

struct TDistributionChecksums {
    std::vector<TVolumeChecksum> Volumes;  // disk 1 first
    uint32_t DecodedLength = 0;
    uint32_t DecodedCrc = 0;
    bool operator==(const TDistributionChecksums& Other) const {
        return Volumes == Other.Volumes && DecodedLength == Other.DecodedLength && DecodedCrc == Other.DecodedCrc;
    }
};

// The block's bytes. Raises Exception for 0 or more than 255 volumes.
std::vector<uint8_t> EncodeChecksumBlock(const TDistributionChecksums& Checksums);

// Reads a block of exactly Length bytes. Raises Exception when the magic, the length, the volume
// count or the block's own checksum does not fit.
TDistributionChecksums DecodeChecksumBlock(const uint8_t* Block, size_t Length);

// The outcome of looking for a block in front of the catalogue.
struct TChecksumBlockSearch {
    enum class TKind { Absent, Found, Damaged };
    TKind Kind = TKind::Absent;
    TDistributionChecksums Checksums;  // when Found
    size_t Start = 0;                  // where the block begins, when Found
    std::string Problem;               // when Damaged
};

// Looks for the block that ends at RecordsStart in File. Absent when the bytes there do not
// carry the magic (a setup program packed without checksums); Damaged when they do but the
// block does not decode.
TChecksumBlockSearch FindChecksumBlock(const uint8_t* File, size_t RecordsStart);
