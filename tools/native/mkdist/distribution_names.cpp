#include "distribution_names.h"

#include <cctype>
#include <cstdio>

std::string VolumeFileName(int Number) {
    char extension[8];
    std::snprintf(extension, sizeof extension, ".%03d", Number);
    return std::string(VolumeBaseName) + extension;
}

std::string UpperCase(std::string Text) {
    for (char& c : Text) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return Text;
}

bool SameNameIgnoringCase(const std::string& A, const std::string& B) {
    return UpperCase(A) == UpperCase(B);
}

TEntryPlacement PlacementOf(const std::string& Name) {
    const size_t dot = Name.rfind('.');
    const std::string extension = dot == std::string::npos ? "" : UpperCase(Name.substr(dot));
    if (extension == ".HLP") return TEntryPlacement::HelpFolder;
    if (extension == ".LIB" || extension == ".DTP") return TEntryPlacement::KeptIfPresent;
    return TEntryPlacement::Destination;
}

const char* DescribePlacement(TEntryPlacement Placement) {
    switch (Placement) {
    case TEntryPlacement::HelpFolder: return "Windows help folder";
    case TEntryPlacement::KeptIfPresent: return "destination, kept if present";
    case TEntryPlacement::Destination: break;
    }
    return "destination";
}
