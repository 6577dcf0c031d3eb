#include "distribution_reader.h"

#include <algorithm>
#include <filesystem>

#include "catalog/catalog_layout.h"
#include "distribution_names.h"
#include "file_access.h"
#include "pe_image_end.h"
#include "rtl/exception.h"

namespace fs = std::filesystem;

namespace {

// The number of a "Glyphwor.NNN" name, or 0 for any other name.
int VolumeNumberOf(const std::string& Name) {
    const std::string base = UpperCase(VolumeBaseName) + ".";
    if (Name.size() != base.size() + 3 || UpperCase(Name.substr(0, base.size())) != base) return 0;
    int number = 0;
    for (size_t i = base.size(); i < Name.size(); ++i) {
        if (Name[i] < '0' || Name[i] > '9') return 0;
        number = number * 10 + (Name[i] - '0');
    }
    return number;
}

std::vector<std::string> RegularFileNamesIn(const std::string& Folder) {
    std::error_code error;
    fs::directory_iterator entries(Folder, error);
    if (error) throw Exception(Folder + ": cannot list the folder: " + error.message());
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : entries) {
        if (entry.is_regular_file(error)) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool HasExeExtension(const std::string& Name) {
    return Name.size() > 4 && UpperCase(Name.substr(Name.size() - 4)) == ".EXE";
}

}  // namespace

TSetupFile ReadSetupFile(const std::string& Path) {
    TSetupFile setup;
    setup.Path = Path;
    setup.Bytes = ReadWholeFile(Path);
    try {
        setup.Catalog = DecodeCatalogTrailer(setup.Bytes.data(), setup.Bytes.size());
    } catch (const Exception& error) {
        throw Exception(Path + ": no readable catalogue at its end: " + error.Message());
    }
    setup.TrailerStart = CatalogTrailerStart(setup.Catalog, setup.Bytes.size());
    setup.Checksums = FindChecksumBlock(setup.Bytes.data(), setup.TrailerStart);
    return setup;
}

std::vector<std::string> SetupFileProblems(const TSetupFile& Setup) {
    std::vector<std::string> problems;
    try {
        const size_t imageEnd = PeImageEnd(Setup.Bytes.data(), Setup.Bytes.size());
        const size_t appended = Setup.AppendedStart();
        if (appended < imageEnd) {
            problems.push_back("the catalogue would start at byte " + std::to_string(appended) +
                               ", inside the executable image, which ends at " + std::to_string(imageEnd));
        } else if (appended > imageEnd) {
            // pack puts its blocks right after the image; a gap means a damaged count byte.
            problems.push_back(std::to_string(appended - imageEnd) +
                               " bytes lie between the executable image and the catalogue; its count byte "
                               "may be damaged");
        }
    } catch (const Exception& error) {
        problems.push_back(error.Message());
    }
    if (Setup.Checksums.Kind == TChecksumBlockSearch::TKind::Damaged) problems.push_back(Setup.Checksums.Problem);
    for (const std::string& problem : CatalogLayoutProblems(Setup.Catalog)) problems.push_back(problem);
    return problems;
}

std::string FindSetupProgram(const std::string& Folder, const std::optional<std::string>& Name) {
    if (Name) return PathIn(Folder, *Name);
    std::vector<std::string> sound;
    std::vector<std::string> executables;
    for (const std::string& name : RegularFileNamesIn(Folder)) {
        if (VolumeNumberOf(name) != 0) continue;
        if (HasExeExtension(name)) executables.push_back(name);
        try {
            if (SetupFileProblems(ReadSetupFile(PathIn(Folder, name))).empty()) sound.push_back(name);
        } catch (const Exception&) {
            // Not a setup program with a catalogue; other files may lie beside it.
        }
    }
    if (sound.size() == 1) return PathIn(Folder, sound.front());
    if (sound.size() > 1) {
        std::string list;
        for (const std::string& name : sound) list += " " + name;
        throw Exception(Folder + ": several files end in a catalogue (" + list.substr(1) +
                        "); choose one with --setup NAME");
    }
    // None is sound: take the only executable so its problems can be reported in detail.
    if (executables.size() == 1) return PathIn(Folder, executables.front());
    throw Exception(Folder + ": no setup program with a catalogue found; name it with --setup NAME");
}

std::vector<int> VolumeNumbersIn(const std::string& Folder) {
    std::vector<int> numbers;
    for (const std::string& name : RegularFileNamesIn(Folder)) {
        if (const int number = VolumeNumberOf(name)) numbers.push_back(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

TVolumeSet ReadVolumes(const std::string& Folder) {
    const std::vector<int> numbers = VolumeNumbersIn(Folder);
    if (numbers.empty() || numbers.front() != 1) {
        throw Exception(PathIn(Folder, VolumeFileName(1)) + ": the first volume is missing");
    }
    TVolumeSet volumes;
    for (size_t i = 0; i < numbers.size(); ++i) {
        const int expected = int(i) + 1;
        if (numbers[i] != expected) {
            throw Exception(PathIn(Folder, VolumeFileName(expected)) + ": volume missing, although " +
                            VolumeFileName(numbers[i]) + " exists");
        }
        // The setup program opens the volume by its exact name; find the stored spelling.
        std::string path = PathIn(Folder, VolumeFileName(expected));
        if (!FileExists(path)) {
            for (const std::string& name : RegularFileNamesIn(Folder)) {
                if (VolumeNumberOf(name) == expected) path = PathIn(Folder, name);
            }
        }
        volumes.Paths.push_back(path);
        volumes.Contents.push_back(ReadWholeFile(path));
        volumes.Archive.insert(volumes.Archive.end(), volumes.Contents.back().begin(),
                               volumes.Contents.back().end());
    }
    return volumes;
}
