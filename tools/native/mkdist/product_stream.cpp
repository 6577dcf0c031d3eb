#include "product_stream.h"

#include <cstdint>
#include <limits>
#include <map>

#include "catalog/catalog_checks.h"
#include "distribution_names.h"
#include "file_access.h"
#include "rtl/exception.h"

namespace {

// Offsets and the total are signed 32-bit in the catalogue.
constexpr uint64_t MaxStreamBytes = uint64_t(std::numeric_limits<int32_t>::max());

void CheckNames(const std::vector<std::string>& Files) {
    if (Files.size() < 2) {
        throw Exception("give the main executable and at least one more file: the setup program "
                        "cuts the main executable at the first catalogue entry");
    }
    if (Files.size() - 1 > size_t(CatalogMaxEntries)) {
        throw Exception(std::to_string(Files.size() - 1) + " catalogue entries given; the catalogue holds at most " +
                        std::to_string(CatalogMaxEntries) + " (its count is one byte)");
    }
    if (Files[0].find_first_of("/\\") != std::string::npos) {
        throw Exception(Files[0] + ": give the bare name of a file in the product folder, without a path");
    }
    std::map<std::string, size_t> seen;
    for (size_t i = 1; i < Files.size(); ++i) {
        const std::string problem = CatalogNameProblem(Files[i]);
        if (!problem.empty()) throw Exception("catalogue entry " + std::to_string(i) + ": " + problem);
        if (SameNameIgnoringCase(Files[i], MainExeName)) {
            throw Exception(Files[i] + ": the setup program writes the main executable under this name; "
                            "an entry of the same name would overwrite it while it is split");
        }
        const auto [previous, fresh] = seen.emplace(UpperCase(Files[i]), i);
        if (!fresh) {
            throw Exception(Files[i] + ": given twice (entries " + std::to_string(previous->second) + " and " +
                            std::to_string(i) + "; Windows names ignore case)");
        }
    }
}

}  // namespace

TProductStream BuildProductStream(const std::string& ProductDir, const std::vector<std::string>& Files,
                                  const TConsole& Console) {
    CheckNames(Files);

    std::vector<uint64_t> sizes;
    uint64_t total = 0;
    for (const std::string& name : Files) {
        sizes.push_back(RegularFileSize(PathIn(ProductDir, name)));
        total += sizes.back();
    }
    if (total > MaxStreamBytes) {
        throw Exception("the files add up to " + std::to_string(total) +
                        " bytes; the decoded stream must stay below 2 GiB (2147483648 bytes) "
                        "because the catalogue's offsets are signed 32-bit");
    }
    if (sizes[0] == 0) throw Exception(PathIn(ProductDir, Files[0]) + ": the main executable is empty");

    TProductStream stream;
    stream.Bytes.reserve(size_t(total));
    for (size_t i = 0; i < Files.size(); ++i) {
        const std::string path = PathIn(ProductDir, Files[i]);
        const std::vector<uint8_t> bytes = ReadWholeFile(path);
        if (bytes.size() != sizes[i]) throw Exception(path + ": changed its size while being read");
        if (i != 0) {
            stream.Catalog.Records.push_back({Files[i], int32_t(stream.Bytes.size()), int32_t(bytes.size())});
        }
        stream.Bytes.insert(stream.Bytes.end(), bytes.begin(), bytes.end());
    }
    stream.Catalog.Total = int32_t(stream.Bytes.size());

    bool hasUninstaller = false;
    for (const TCatalogRecord& record : stream.Catalog.Records) {
        hasUninstaller = hasUninstaller || SameNameIgnoringCase(record.Name, UninstallExeName);
    }
    if (!hasUninstaller) {
        Console.Warn(std::string("no entry is named ") + UninstallExeName +
                     "; the uninstall entry the setup program records will name a missing file");
    }
    return stream;
}
