#include "pe_image_end.h"

#include <algorithm>
#include <string>

#include "catalog/little_endian.h"
#include "rtl/exception.h"

namespace {

// Offsets within the headers, from the PE/COFF layout.
constexpr size_t DosNewHeaderField = 0x3C;  // e_lfanew
constexpr size_t CoffHeaderSize = 20;
constexpr size_t SectionHeaderSize = 40;
constexpr size_t SymbolRecordSize = 18;
constexpr uint16_t OptionalMagicPe32 = 0x10B;
constexpr uint16_t OptionalMagicPe32Plus = 0x20B;
constexpr uint32_t CertificateDirectory = 4;

uint16_t LoadUint16Le(const uint8_t* Bytes) { return uint16_t(Bytes[0] | Bytes[1] << 8); }

// Bounds-checked reads: every field the headers name must lie inside the file.
class THeaderReader {
public:
    THeaderReader(const uint8_t* File, size_t Length) : file_(File), length_(Length) {}

    uint16_t U16(uint64_t At, const char* What) const {
        Require(At, 2, What);
        return LoadUint16Le(file_ + At);
    }
    uint32_t U32(uint64_t At, const char* What) const {
        Require(At, 4, What);
        return LoadUint32Le(file_ + At);
    }
    void Require(uint64_t At, uint64_t Size, const char* What) const {
        if (At + Size > length_) {
            throw Exception(std::string("not a complete PE executable: its ") + What + " lies past the end of the file");
        }
    }

private:
    const uint8_t* file_;
    size_t length_;
};

}  // namespace

size_t PeImageEnd(const uint8_t* File, size_t Length) {
    const THeaderReader reader(File, Length);
    if (Length < 0x40 || File[0] != 'M' || File[1] != 'Z') {
        throw Exception("not a Windows executable: it does not start with \"MZ\"");
    }
    const uint64_t pe = reader.U32(DosNewHeaderField, "PE header offset");
    reader.Require(pe, 4 + CoffHeaderSize, "PE header");
    if (File[pe] != 'P' || File[pe + 1] != 'E' || File[pe + 2] != 0 || File[pe + 3] != 0) {
        throw Exception("not a PE executable: no \"PE\" signature where the DOS header points");
    }
    const uint64_t coff = pe + 4;
    const uint16_t sectionCount = reader.U16(coff + 2, "section count");
    const uint32_t symbolTable = reader.U32(coff + 8, "symbol table pointer");
    const uint32_t symbolCount = reader.U32(coff + 12, "symbol count");
    const uint16_t optionalSize = reader.U16(coff + 16, "optional header size");
    const uint64_t optional = coff + CoffHeaderSize;

    uint64_t end = optional + optionalSize;
    if (optionalSize >= 64) {
        const uint16_t magic = reader.U16(optional, "optional header");
        end = std::max<uint64_t>(end, reader.U32(optional + 60, "SizeOfHeaders"));
        // The certificate table is the one data directory that holds a file offset, and it
        // lies after the sections.
        const uint64_t directories = magic == OptionalMagicPe32Plus ? optional + 112 : optional + 96;
        const uint64_t countField = directories - 4;
        if ((magic == OptionalMagicPe32 || magic == OptionalMagicPe32Plus) &&
            countField + 4 <= optional + optionalSize &&
            reader.U32(countField, "data directory count") > CertificateDirectory &&
            directories + 8 * (CertificateDirectory + 1) <= optional + optionalSize) {
            const uint64_t entry = directories + 8 * CertificateDirectory;
            const uint32_t certificateAt = reader.U32(entry, "certificate directory");
            const uint32_t certificateSize = reader.U32(entry + 4, "certificate directory");
            if (certificateSize != 0) end = std::max<uint64_t>(end, uint64_t(certificateAt) + certificateSize);
        }
    }

    const uint64_t sections = optional + optionalSize;
    reader.Require(sections, uint64_t(sectionCount) * SectionHeaderSize, "section table");
    for (uint16_t i = 0; i < sectionCount; ++i) {
        const uint64_t header = sections + uint64_t(i) * SectionHeaderSize;
        const uint32_t rawSize = reader.U32(header + 16, "section header");
        const uint32_t rawAt = reader.U32(header + 20, "section header");
        if (rawSize != 0) end = std::max<uint64_t>(end, uint64_t(rawAt) + rawSize);
    }

    // Unstripped images keep COFF symbols and their string table after the sections.
    if (symbolTable != 0 && symbolCount != 0) {
        const uint64_t strings = symbolTable + uint64_t(symbolCount) * SymbolRecordSize;
        end = std::max(end, strings);
        if (strings + 4 <= Length) {
            const uint32_t stringsSize = LoadUint32Le(File + strings);
            if (stringsSize >= 4) end = std::max(end, strings + stringsSize);
        }
    }

    if (end > Length) {
        throw Exception("truncated PE executable: its image needs " + std::to_string(end) +
                        " bytes but the file has " + std::to_string(Length));
    }
    return size_t(end);
}
