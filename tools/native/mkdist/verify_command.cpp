// mkdist verify: decodes a distribution and checks everything the setup program relies on.
#include "catalog/crc32.h"
#include "checksum_report.h"
#include "commands.h"
#include "distribution_names.h"
#include "distribution_reader.h"
#include "progress_bar.h"
#include "rtl/exception.h"
#include "setup_config_marker.h"
#include "stream_decoder.h"

namespace {

class TFindings {
public:
    explicit TFindings(const TConsole& Console) : console_(Console) {}
    void Problem(const std::string& Text) {
        console_.Err << "mkdist verify: problem: " << Text << "\n";
        ++problems_;
    }
    void Good(const std::string& Text) { console_.Out << "ok: " << Text << "\n"; }
    int Problems() const { return problems_; }

private:
    const TConsole& console_;
    int problems_ = 0;
};

void CheckAgainstSetupConfig(const TSetupFile& Setup, const TVolumeSet& Volumes, TFindings& Findings,
                             const TConsole& Console) {
    const std::optional<TSetupConfig> config = FindSetupConfig(Setup.Bytes.data(), Setup.TrailerStart);
    const int count = int(Volumes.Paths.size());
    if (!config) {
        Console.Warn(Setup.Path + ": no GWSETUP-CONFIG marker; its DiskCount and AssemblyTotalBytes are unchecked");
        return;
    }
    const int copied = VolumesCopiedFor(config->DiskCount);
    const std::string built = Setup.Path + " was built with DiskCount=" + std::to_string(config->DiskCount);
    if (copied > count) {
        Findings.Problem(built + " and asks for " + std::to_string(copied) + " volume(s), but only " +
                         std::to_string(count) + " are here: " + VolumeFileName(count + 1) + " is missing");
    } else if (copied < count) {
        Findings.Problem(built + " and copies only " + std::to_string(copied) + " of the " + std::to_string(count) +
                         " volumes; rebuild it with " + RebuildHint(count, int64_t(Volumes.Archive.size())));
    } else {
        Findings.Good("the setup program copies all " + std::to_string(count) + " volume(s)");
    }
    if (config->AssemblyTotalBytes != int64_t(Volumes.Archive.size())) {
        Console.Warn(Setup.Path + " was built with AssemblyTotalBytes=" + std::to_string(config->AssemblyTotalBytes) +
                     " but the volumes hold " + std::to_string(Volumes.Archive.size()) +
                     " bytes, so its copy bar will be off; rebuild it with " +
                     RebuildHint(count, int64_t(Volumes.Archive.size())));
    }
}

}  // namespace

int RunVerify(const TCommandLine& Line, const TConsole& Console) {
    if (Line.Arguments.size() != 1) throw Exception("verify needs exactly one argument: DIST_DIR");
    const std::string& distDir = Line.Arguments[0];
    TFindings findings(Console);

    const TSetupFile setup = ReadSetupFile(FindSetupProgram(distDir, Line.Option("setup")));
    const TCatalogTrailer& catalog = setup.Catalog;
    const std::vector<std::string> setupProblems = SetupFileProblems(setup);
    for (const std::string& problem : setupProblems) findings.Problem(setup.Path + ": " + problem);
    if (setupProblems.empty()) {
        findings.Good(setup.Path + ": catalogue of " + std::to_string(catalog.Records.size()) + " entries, " +
                      std::to_string(catalog.Total) + " bytes, contiguous and safe to install");
    }

    TVolumeSet volumes;
    try {
        volumes = ReadVolumes(distDir);
    } catch (const Exception& error) {
        findings.Problem(error.Message());
        Console.Err << "mkdist verify: FAILED with " << findings.Problems() << " problem(s)\n";
        return 1;
    }
    if (volumes.Paths.size() > size_t(MaxVolumes)) {
        findings.Problem(distDir + ": " + std::to_string(volumes.Paths.size()) +
                         " volumes; the setup program copies at most " + std::to_string(MaxVolumes));
    }
    CheckAgainstSetupConfig(setup, volumes, findings, Console);

    const bool hasSums = setup.Checksums.Kind == TChecksumBlockSearch::TKind::Found;
    const TDistributionChecksums& sums = setup.Checksums.Checksums;
    if (hasSums) {
        const std::vector<std::string> volumeProblems = VolumeChecksumProblems(sums, volumes);
        for (const std::string& problem : volumeProblems) findings.Problem(problem);
        if (volumeProblems.empty()) findings.Good("every volume's size and CRC-32 match the checksum block");
        if (int64_t(sums.DecodedLength) != int64_t(catalog.Total)) {
            findings.Problem("the checksum block records a decoded stream of " + std::to_string(sums.DecodedLength) +
                             " bytes, the catalogue " + std::to_string(catalog.Total));
        }
    } else if (setup.Checksums.Kind == TChecksumBlockSearch::TKind::Absent) {
        Console.Warn(setup.Path + ": no checksum block, so the volumes' CRC-32 cannot be checked");
    }

    if (!ArchiveCouldHold(volumes.Archive.size(), catalog.Total)) {
        findings.Problem("the catalogue total of " + std::to_string(catalog.Total) + " bytes cannot come from " +
                         std::to_string(volumes.Archive.size()) + " archive bytes; not decoded");
    } else if (catalog.Total > 0) {
        TProgressBar bar("decoding", uint64_t(catalog.Total));
        const TDecodeResult decoded = DecodeStream(volumes.Archive.data(), volumes.Archive.size(), catalog.Total,
                                                   [&bar](uint64_t done) { bar.Update(done); });
        bar.Finish();
        if (decoded.ArchiveEndedEarly()) {
            findings.Problem(distDir + ": the volumes (" + std::to_string(volumes.Archive.size()) +
                             " bytes) end before the catalogue's " + std::to_string(catalog.Total) +
                             " bytes are decoded; a volume is missing or cut short");
        } else {
            findings.Good("the " + std::to_string(volumes.Paths.size()) + " volume(s) decode to " +
                          std::to_string(catalog.Total) + " bytes without running out");
        }
        if (hasSums) {
            const uint32_t crc = Crc32(decoded.Bytes.data(), decoded.Bytes.size());
            if (crc != sums.DecodedCrc) {
                findings.Problem("the decoded stream's CRC-32 is " + HexCrc(crc) + ", but the checksum block records " +
                                 HexCrc(sums.DecodedCrc));
            } else {
                findings.Good("the decoded stream's CRC-32 " + HexCrc(crc) + " matches");
            }
        }
    }

    if (findings.Problems() != 0) {
        Console.Err << "mkdist verify: FAILED with " << findings.Problems() << " problem(s)\n";
        return 1;
    }
    Console.Out << "verify: OK\n";
    return 0;
}
