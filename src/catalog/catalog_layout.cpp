#include "catalog/catalog_layout.h"

#include <cctype>
#include <map>

#include "catalog/catalog_checks.h"

namespace {

std::string UpperCase(std::string Text) {
    for (char& c : Text) c = char(std::toupper(static_cast<unsigned char>(c)));
    return Text;
}

std::string EntryLabel(size_t Index, const TCatalogRecord& Record) {
    return "entry " + std::to_string(Index + 1) + " (\"" + Record.Name + "\")";
}

}  // namespace

std::vector<std::string> CatalogLayoutProblems(const TCatalogTrailer& Trailer) {
    std::vector<std::string> problems;
    const auto& records = Trailer.Records;
    if (records.empty()) {
        problems.push_back("the catalogue has no entries, so the main executable's length is unknown");
        return problems;
    }
    if (records.front().Offset <= 0) {
        problems.push_back("the first entry's offset is " + std::to_string(records.front().Offset) +
                           "; it must be the main executable's length, above 0");
    }
    // Windows file names ignore case, so two names that differ only in case are one file.
    std::map<std::string, size_t> seen;
    int64_t expectedOffset = records.front().Offset;
    for (size_t i = 0; i < records.size(); ++i) {
        const TCatalogRecord& record = records[i];
        const std::string nameProblem = CatalogNameProblem(record.Name);
        if (!nameProblem.empty()) problems.push_back(EntryLabel(i, record) + ": " + nameProblem);
        const auto [previous, fresh] = seen.emplace(UpperCase(record.Name), i);
        if (!fresh) {
            problems.push_back(EntryLabel(i, record) + " has the same name as entry " +
                               std::to_string(previous->second + 1));
        }
        if (record.Size < 0) {
            problems.push_back(EntryLabel(i, record) + " has a negative size " +
                               std::to_string(record.Size));
        }
        if (record.Offset != expectedOffset) {
            problems.push_back(EntryLabel(i, record) + " starts at " + std::to_string(record.Offset) +
                               " but the entry before it ends at " + std::to_string(expectedOffset));
        }
        expectedOffset = int64_t(record.Offset) + record.Size;
    }
    if (expectedOffset != Trailer.Total) {
        problems.push_back("the last entry ends at " + std::to_string(expectedOffset) +
                           " but the catalogue total is " + std::to_string(Trailer.Total));
    }
    return problems;
}
