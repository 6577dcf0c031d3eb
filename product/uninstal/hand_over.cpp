#include "hand_over.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "paths.h"

namespace {

constexpr const char* RemoveSwitch = "/remove";
// The copy waits this long for the original to end; it normally ends at once.
constexpr DWORD OriginalExitWait = 60 * 1000;

std::string TemporaryFolder() {
    char folder[MAX_PATH + 1];
    DWORD n = ::GetTempPathA(sizeof folder, folder);
    return (n > 0 && n < sizeof folder) ? std::string(folder, n) : "";
}

const char* SkipProgramName(const char* p) {
    while (*p == ' ' || *p == '\t') ++p;
    if (*p == '"') {
        p = std::strchr(p + 1, '"');
        return p ? p + 1 : "";
    }
    while (*p && *p != ' ' && *p != '\t') ++p;
    return p;
}

const char* SkipBlanks(const char* p) {
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

}  // namespace

bool HandOverToTemporaryCopy(const std::string& folder) {
    const std::string temp = TemporaryFolder();
    if (temp.empty()) return false;
    char name[64];
    std::snprintf(name, sizeof name, "GlyphworkUninstall-%lu.exe", static_cast<unsigned long>(::GetCurrentProcessId()));
    const std::string copy = JoinPath(temp, name);
    if (!::CopyFileA(OwnFileName().c_str(), copy.c_str(), FALSE)) return false;

    // A handle the copy inherits: waiting on it cannot hit a later process that reuses our id.
    HANDLE self = nullptr;
    if (!::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentProcess(), ::GetCurrentProcess(), &self, SYNCHRONIZE,
                           TRUE, 0)) {
        ::DeleteFileA(copy.c_str());
        return false;
    }
    char handle[32];
    std::snprintf(handle, sizeof handle, "%llu", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(self)));
    std::string commandLine = "\"" + copy + "\" " + RemoveSwitch + " " + handle + " " + folder;

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // The copy works in the temporary folder: a process's current folder cannot be removed.
    const BOOL started = ::CreateProcessA(copy.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                          temp.c_str(), &startup, &process);
    ::CloseHandle(self);
    if (!started) {
        ::DeleteFileA(copy.c_str());
        return false;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

bool ParseHandOver(const char* commandLine, THandOverArguments& arguments) {
    const char* p = SkipBlanks(SkipProgramName(commandLine));
    const size_t switchLength = std::strlen(RemoveSwitch);
    if (::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, p, static_cast<int>(switchLength), RemoveSwitch,
                         static_cast<int>(switchLength)) != CSTR_EQUAL)
        return false;
    p = SkipBlanks(p + switchLength);
    char* end = nullptr;
    const unsigned long long handle = std::strtoull(p, &end, 10);
    if (end == p) return false;
    arguments.Original = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(handle));
    arguments.Folder = SkipBlanks(end);
    while (!arguments.Folder.empty() && (arguments.Folder.back() == ' ' || arguments.Folder.back() == '\t'))
        arguments.Folder.pop_back();
    return !arguments.Folder.empty();
}

void WaitForOriginal(HANDLE original) {
    if (original) {
        ::WaitForSingleObject(original, OriginalExitWait);
        ::CloseHandle(original);
    }
}
