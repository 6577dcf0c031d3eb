// mkdist list: the catalogue of a setup program, one entry per line.
#include <cstdio>

#include "checksum_report.h"
#include "commands.h"
#include "distribution_names.h"
#include "distribution_reader.h"
#include "rtl/exception.h"

namespace {

std::string Row(const std::string& Number, const std::string& Name, long long Offset, long long Size,
                const std::string& Destination) {
    char line[160];
    std::snprintf(line, sizeof line, "%4s  %-19s %11lld %11lld  %s\n", Number.c_str(), Name.c_str(), Offset, Size,
                  Destination.c_str());
    return line;
}

}  // namespace

int RunList(const TCommandLine& Line, const TConsole& Console) {
    if (Line.Arguments.size() != 1) throw Exception("list needs exactly one argument: SETUP_EXE");
    const TSetupFile setup = ReadSetupFile(Line.Arguments[0]);
    const TCatalogTrailer& catalog = setup.Catalog;

    Console.Out << "catalogue of " << setup.Path << ": " << catalog.Records.size() << " entries\n";
    char header[160];
    std::snprintf(header, sizeof header, "%4s  %-19s %11s %11s  %s\n", "#", "name", "offset", "size", "goes to");
    Console.Out << header;
    if (!catalog.Records.empty()) {
        Console.Out << Row("-", "(main executable)", 0, catalog.Records.front().Offset,
                           std::string("destination, as ") + MainExeName);
    }
    for (size_t i = 0; i < catalog.Records.size(); ++i) {
        const TCatalogRecord& record = catalog.Records[i];
        Console.Out << Row(std::to_string(i + 1), record.Name, record.Offset, record.Size,
                           DescribePlacement(PlacementOf(record.Name)));
    }
    Console.Out << "total: " << catalog.Total << " bytes\n";

    if (setup.Checksums.Kind == TChecksumBlockSearch::TKind::Found) {
        const TDistributionChecksums& sums = setup.Checksums.Checksums;
        Console.Out << "checksums:\n";
        for (size_t i = 0; i < sums.Volumes.size(); ++i) {
            Console.Out << "  " << VolumeFileName(int(i) + 1) << "  " << sums.Volumes[i].Size << " bytes  CRC-32 "
                        << HexCrc(sums.Volumes[i].Crc) << "\n";
        }
        Console.Out << "  decoded stream  " << sums.DecodedLength << " bytes  CRC-32 " << HexCrc(sums.DecodedCrc) << "\n";
    } else if (setup.Checksums.Kind == TChecksumBlockSearch::TKind::Absent) {
        Console.Out << "checksums: none recorded\n";
    }

    for (const std::string& problem : SetupFileProblems(setup)) Console.Warn(setup.Path + ": " + problem);
    return 0;
}
