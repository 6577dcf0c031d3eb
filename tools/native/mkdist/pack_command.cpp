// mkdist pack: product files -> volumes Glyphwor.NNN and the setup program with its catalogue.
#include <cstdio>
#include <filesystem>
#include <limits>
#include <optional>

#include "catalog/catalog_trailer.h"
#include "catalog/checksum_block.h"
#include "catalog/crc32.h"
#include "commands.h"
#include "distribution_names.h"
#include "file_access.h"
#include "lzh/lzh_encoder.h"
#include "pe_image_end.h"
#include "product_stream.h"
#include "progress_bar.h"
#include "rtl/exception.h"
#include "setup_config_marker.h"
#include "stream_decoder.h"

namespace {

struct TPackRequest {
    std::string SetupPath;
    std::string OutDir;
    int64_t DiskSize = DefaultDiskSize;
    std::string ProductDir;
    std::vector<std::string> Files;
};

TPackRequest ReadRequest(const TCommandLine& Line) {
    TPackRequest request;
    const std::optional<std::string> setup = Line.Option("setup");
    const std::optional<std::string> out = Line.Option("out");
    if (!setup) throw Exception("pack needs --setup SETUP_EXE");
    if (!out) throw Exception("pack needs --out DIST_DIR");
    if (Line.Arguments.size() < 2) throw Exception("pack needs PRODUCT_DIR and the files to pack");
    request.SetupPath = *setup;
    request.OutDir = *out;
    if (const auto size = Line.Option("disk-size")) {
        request.DiskSize = ParseCount(*size, "disk-size", 1, std::numeric_limits<int32_t>::max());
    }
    request.ProductDir = Line.Arguments[0];
    request.Files.assign(Line.Arguments.begin() + 1, Line.Arguments.end());
    return request;
}

// The setup executable without anything appended after its image.
std::vector<uint8_t> SetupImage(const std::string& Path, const TConsole& Console) {
    std::vector<uint8_t> bytes = ReadWholeFile(Path);
    size_t imageEnd = 0;
    try {
        imageEnd = PeImageEnd(bytes.data(), bytes.size());
    } catch (const Exception& error) {
        throw Exception(Path + ": " + error.Message());
    }
    if (imageEnd < bytes.size()) {
        Console.Note("cutting " + std::to_string(bytes.size() - imageEnd) + " bytes that follow the image of " +
                     Path + " (an earlier catalogue)");
        bytes.resize(imageEnd);
    }
    return bytes;
}

std::vector<uint8_t> Compress(const std::vector<uint8_t>& Stream) {
    TProgressBar bar("compressing", Stream.size());
    std::vector<uint8_t> archive =
        LzhPack(Stream.data(), Stream.size(), [&bar](size_t done, size_t) { bar.Update(done); });
    bar.Finish();
    return archive;
}

// Decodes the archive again so that a fault of the encoder never reaches a distribution.
void CheckRoundTrip(const std::vector<uint8_t>& Archive, const std::vector<uint8_t>& Stream) {
    TProgressBar bar("checking", Stream.size());
    const TDecodeResult decoded = DecodeStream(Archive.data(), Archive.size(), int32_t(Stream.size()),
                                               [&bar](uint64_t done) { bar.Update(done); });
    bar.Finish();
    if (decoded.Bytes != Stream || decoded.ArchiveEndedEarly()) {
        throw Exception("the compressed archive does not decode back to the product files; nothing was written");
    }
}

// Compares the distribution with the values compiled into the setup program. Refuses volumes
// the setup program would never copy; other differences only cost a wrong bar or a disk prompt.
void CheckSetupConfig(const std::string& SetupPath, const std::vector<uint8_t>& Image, int VolumeCount,
                      int64_t ArchiveBytes, const TConsole& Console) {
    const std::string hint = RebuildHint(VolumeCount, ArchiveBytes);
    const std::optional<TSetupConfig> config = FindSetupConfig(Image.data(), Image.size());
    if (!config) {
        Console.Warn(SetupPath + ": no GWSETUP-CONFIG marker found, so its DiskCount and AssemblyTotalBytes "
                     "cannot be checked; this distribution needs a setup program built with " + hint);
        return;
    }
    const std::string built = "DiskCount=" + std::to_string(config->DiskCount) +
                              ", AssemblyTotalBytes=" + std::to_string(config->AssemblyTotalBytes);
    const std::string needed = std::to_string(VolumeCount) + " volume(s) of " + std::to_string(ArchiveBytes) +
                               " archive bytes in all";
    if (VolumeCount > VolumesCopiedFor(config->DiskCount)) {
        throw Exception(SetupPath + " was built with " + built + " and copies only " +
                        std::to_string(VolumesCopiedFor(config->DiskCount)) + " volume(s), but the archive needs " +
                        needed + "; rebuild the setup program with " + hint + " and pack again");
    }
    if (config->DiskCount != VolumeCount || config->AssemblyTotalBytes != ArchiveBytes) {
        Console.Warn(SetupPath + " was built with " + built + ", but this distribution has " + needed +
                     "; rebuild the setup program with " + hint + " and pack again");
    }
}

// Volumes left over from an earlier, longer pack would be taken for part of this one.
void RemoveStaleVolumes(const std::string& OutDir, int VolumeCount, const TConsole& Console) {
    for (int number = VolumeCount + 1; number <= 999; ++number) {
        const std::string path = PathIn(OutDir, VolumeFileName(number));
        std::error_code error;
        if (std::filesystem::remove(path, error)) Console.Note("removed the stale volume " + path);
    }
}

TDistributionChecksums ChecksumsOf(const std::vector<uint8_t>& Archive, size_t DiskSize,
                                   const std::vector<uint8_t>& Stream) {
    TDistributionChecksums sums;
    for (size_t start = 0; start < Archive.size() || sums.Volumes.empty(); start += DiskSize) {
        const size_t size = std::min(DiskSize, Archive.size() - start);
        sums.Volumes.push_back({uint32_t(size), Crc32(Archive.data() + start, size)});
    }
    sums.DecodedLength = uint32_t(Stream.size());
    sums.DecodedCrc = Crc32(Stream.data(), Stream.size());
    return sums;
}

void WriteVolumes(const TPackRequest& Request, const std::vector<uint8_t>& Archive, const TConsole& Console) {
    const size_t diskSize = size_t(Request.DiskSize);
    int number = 1;
    for (size_t start = 0; start < Archive.size(); start += diskSize, ++number) {
        const size_t size = std::min(diskSize, Archive.size() - start);
        const std::string path = PathIn(Request.OutDir, VolumeFileName(number));
        WriteWholeFile(path, Archive.data() + start, size);
        Console.Out << "wrote " << path << " (" << size << " bytes)\n";
    }
}

// The image, then the checksum block, then the catalogue trailer at the very end.
void WriteSetupProgram(const TPackRequest& Request, const std::vector<uint8_t>& Image, const std::vector<uint8_t>& Sums,
                       const std::vector<uint8_t>& Trailer, const TConsole& Console) {
    std::vector<uint8_t> setup = Image;
    setup.insert(setup.end(), Sums.begin(), Sums.end());
    setup.insert(setup.end(), Trailer.begin(), Trailer.end());
    const std::string path = PathIn(Request.OutDir, BaseName(Request.SetupPath));
    WriteWholeFile(path, setup);
    // Keep the executable bit of the original; it matters when the distribution runs from a Unix share.
    std::error_code error;
    const std::filesystem::file_status original = std::filesystem::status(Request.SetupPath, error);
    if (!error) std::filesystem::permissions(path, original.permissions(), error);
    Console.Out << "wrote " << path << " (image " << Image.size() << " bytes + checksums " << Sums.size()
                << " bytes + catalogue " << Trailer.size() << " bytes)\n";
}

std::string Percent(uint64_t Part, uint64_t Whole) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %%", Whole == 0 ? 0.0 : 100.0 * double(Part) / double(Whole));
    return text;
}

}  // namespace

int RunPack(const TCommandLine& Line, const TConsole& Console) {
    const TPackRequest request = ReadRequest(Line);
    const TProductStream stream = BuildProductStream(request.ProductDir, request.Files, Console);
    const std::vector<uint8_t> image = SetupImage(request.SetupPath, Console);

    const std::vector<uint8_t> archive = Compress(stream.Bytes);
    if (archive.size() > size_t(std::numeric_limits<int32_t>::max())) {
        throw Exception("the archive is " + std::to_string(archive.size()) +
                        " bytes; the setup program counts it in a signed 32-bit number");
    }
    const uint64_t volumeCount = std::max<uint64_t>(1, (archive.size() + request.DiskSize - 1) / request.DiskSize);
    if (volumeCount > uint64_t(MaxVolumes)) {
        throw Exception("the archive of " + std::to_string(archive.size()) + " bytes needs " +
                        std::to_string(volumeCount) + " volumes of " + std::to_string(request.DiskSize) +
                        " bytes, but the setup program copies at most " + std::to_string(MaxVolumes) +
                        "; use a larger --disk-size or fewer files");
    }
    CheckSetupConfig(request.SetupPath, image, int(volumeCount), int64_t(archive.size()), Console);
    CheckRoundTrip(archive, stream.Bytes);

    std::error_code error;
    std::filesystem::create_directories(request.OutDir, error);
    if (error) throw Exception(request.OutDir + ": cannot create the folder: " + error.message());

    Console.Out << "packed " << request.Files.size() << " files from " << request.ProductDir << ": main executable "
                << request.Files[0] << " (" << stream.Catalog.Records.front().Offset << " bytes) and "
                << stream.Catalog.Records.size() << " catalogue entries\n";
    WriteVolumes(request, archive, Console);
    RemoveStaleVolumes(request.OutDir, int(volumeCount), Console);
    WriteSetupProgram(request, image, EncodeChecksumBlock(ChecksumsOf(archive, size_t(request.DiskSize), stream.Bytes)),
                      EncodeCatalogTrailer(stream.Catalog), Console);

    Console.Out << "decoded stream: " << stream.Bytes.size() << " bytes\n"
                << "archive: " << archive.size() << " bytes (" << Percent(archive.size(), stream.Bytes.size())
                << " of the decoded stream)\n"
                << "volumes: " << volumeCount << " of at most " << request.DiskSize << " bytes\n";
    return 0;
}
