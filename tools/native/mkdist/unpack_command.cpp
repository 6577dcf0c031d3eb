// mkdist unpack: what the setup program would install, into an ordinary folder.
#include <filesystem>

#include "commands.h"
#include "distribution_names.h"
#include "distribution_reader.h"
#include "file_access.h"
#include "progress_bar.h"
#include "rtl/exception.h"
#include "stream_decoder.h"

namespace {

// Stands in for the Windows help folder.
constexpr const char* HelpFolderName = "Help";

void CreateFolder(const std::string& Path) {
    std::error_code error;
    std::filesystem::create_directories(Path, error);
    if (error) throw Exception(Path + ": cannot create the folder: " + error.message());
}

}  // namespace

int RunUnpack(const TCommandLine& Line, const TConsole& Console) {
    if (Line.Arguments.size() != 2) throw Exception("unpack needs DIST_DIR and OUT_DIR");
    const std::string& distDir = Line.Arguments[0];
    const std::string& outDir = Line.Arguments[1];

    const TSetupFile setup = ReadSetupFile(FindSetupProgram(distDir, Line.Option("setup")));
    const std::vector<std::string> problems = SetupFileProblems(setup);
    if (!problems.empty()) throw Exception(setup.Path + ": " + problems.front());
    const TVolumeSet volumes = ReadVolumes(distDir);
    const TCatalogTrailer& catalog = setup.Catalog;

    if (!ArchiveCouldHold(volumes.Archive.size(), catalog.Total)) {
        throw Exception(distDir + ": the volumes hold " + std::to_string(volumes.Archive.size()) +
                        " bytes, too few for the catalogue's " + std::to_string(catalog.Total) + " bytes");
    }
    TProgressBar bar("decoding", uint64_t(catalog.Total));
    const TDecodeResult decoded = DecodeStream(volumes.Archive.data(), volumes.Archive.size(), catalog.Total,
                                               [&bar](uint64_t done) { bar.Update(done); });
    bar.Finish();
    if (decoded.ArchiveEndedEarly()) {
        throw Exception(distDir + ": the volumes end before the " + std::to_string(catalog.Total) +
                        " bytes of the catalogue are decoded; a volume is missing or cut short");
    }

    CreateFolder(outDir);
    const std::string mainPath = PathIn(outDir, MainExeName);
    WriteWholeFile(mainPath, decoded.Bytes.data(), size_t(catalog.Records.front().Offset));
    Console.Out << mainPath << " (" << catalog.Records.front().Offset << " bytes)\n";
    for (const TCatalogRecord& record : catalog.Records) {
        const uint8_t* bytes = decoded.Bytes.data() + record.Offset;
        switch (PlacementOf(record.Name)) {
        case TEntryPlacement::KeptIfPresent:
            if (FileExists(PathIn(outDir, record.Name))) {
                Console.Out << PathIn(outDir, record.Name) << " kept, as the setup program keeps it\n";
                continue;
            }
            break;
        case TEntryPlacement::HelpFolder: {
            const std::string helpDir = PathIn(outDir, HelpFolderName);
            CreateFolder(helpDir);
            WriteWholeFile(PathIn(helpDir, record.Name), bytes, size_t(record.Size));
            Console.Out << PathIn(helpDir, record.Name) << " (" << record.Size << " bytes, help folder)\n";
            continue;
        }
        case TEntryPlacement::Destination: break;
        }
        WriteWholeFile(PathIn(outDir, record.Name), bytes, size_t(record.Size));
        Console.Out << PathIn(outDir, record.Name) << " (" << record.Size << " bytes)\n";
    }
    Console.Out << "unpacked " << catalog.Records.size() + 1 << " files, " << catalog.Total << " bytes\n";
    return 0;
}
