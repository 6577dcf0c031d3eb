#include "catalog/catalog_checks.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t NameCapacity = 19;
constexpr int64_t RecordBytes = 28;
constexpr int64_t FixedBytes = 5;

// The name in quotes, with unprintable bytes as \xNN so a message never carries them raw.
std::string Quoted(const char* Name, size_t Length) {
    std::string text = "\"";
    for (size_t i = 0; i < Length; ++i) {
        const unsigned char c = static_cast<unsigned char>(Name[i]);
        if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            text += escaped;
        } else {
            text += char(c);
        }
    }
    return text + "\"";
}

bool EqualsIgnoringCase(const std::string& Text, const char* Word) {
    if (Text.size() != std::strlen(Word)) return false;
    for (size_t i = 0; i < Text.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(Text[i])) != Word[i]) return false;
    }
    return true;
}

// CON, PRN, AUX, NUL, COM1..9 and LPT1..9 open a device instead of a file, with any extension.
bool NamesDevice(const char* Name, size_t Length) {
    const char* dot = static_cast<const char*>(std::memchr(Name, '.', Length));
    const std::string stem(Name, dot ? size_t(dot - Name) : Length);
    for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
        if (EqualsIgnoringCase(stem, device)) return true;
    }
    if (stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9') {
        const std::string prefix = stem.substr(0, 3);
        if (EqualsIgnoringCase(prefix, "COM") || EqualsIgnoringCase(prefix, "LPT")) return true;
    }
    return false;
}

}  // namespace

std::string CatalogNameProblem(const char* Name, size_t Length) {
    if (Length == 0) return "the name is empty";
    const std::string quoted = Quoted(Name, Length);
    if (Length > NameCapacity) {
        return quoted + " is " + std::to_string(Length) + " characters long; at most " +
               std::to_string(NameCapacity) + " are allowed";
    }
    if ((Length == 1 && Name[0] == '.') || (Length == 2 && Name[0] == '.' && Name[1] == '.')) {
        return quoted + " names a folder, not a file";
    }
    for (size_t i = 0; i < Length; ++i) {
        const unsigned char c = static_cast<unsigned char>(Name[i]);
        if (c == '\\' || c == '/') return quoted + " holds a folder separator; only a bare file name is allowed";
        if (c == ':') return quoted + " holds a drive colon \":\"; only a bare file name is allowed";
        if (c < 0x20 || std::strchr("<>\"|?*", c) != nullptr) {
            return quoted + " holds a character that Windows does not allow in file names";
        }
    }
    const char last = Name[Length - 1];
    if (last == '.' || last == ' ') {
        return quoted + " ends in a dot or blank, which Windows drops from file names";
    }
    if (NamesDevice(Name, Length)) return quoted + " names a Windows device, not a file";
    return std::string();
}

std::string CatalogCountProblem(int64_t FileLength, int Count) {
    const int64_t needed = FixedBytes + RecordBytes * int64_t(Count);
    if (Count < 0 || FileLength < needed) {
        return "the catalogue count " + std::to_string(Count) + " needs " + std::to_string(needed) +
               " bytes of trailer, but the file is only " + std::to_string(FileLength) +
               " bytes long: its records would start before the beginning of the file";
    }
    return std::string();
}
