#include "paths.h"

#include <windows.h>

#include "rtl/win_handles.h"

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '\\') return folder + name;
    return folder + "\\" + name;
}

std::string WithoutTrailingBackslash(const std::string& folder) {
    std::string result = folder;
    while (result.size() > 3 && result.back() == '\\') result.pop_back();
    return result;
}

namespace {

std::string Normalized(const std::string& path) {
    char full[MAX_PATH * 2];
    DWORD n = ::GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    std::string result = (n > 0 && n < sizeof full) ? std::string(full, n) : path;
    // Short (8.3) names only match their long forms once expanded; this needs the file to exist.
    char longer[MAX_PATH * 2];
    n = ::GetLongPathNameA(result.c_str(), longer, sizeof longer);
    if (n > 0 && n < sizeof longer) result.assign(longer, n);
    return result;
}

}  // namespace

bool SamePath(const std::string& a, const std::string& b) {
    return ::lstrcmpiA(Normalized(a).c_str(), Normalized(b).c_str()) == 0;
}

std::string ProgramsFolder() {
    // The same value the setup program reads: Shell Folders, "programs", of the current user.
    HKEY raw = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\microsoft\\windows\\currentversion\\explorer\\Shell Folders",
                        0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS)
        return "";
    UniqueRegKey key(raw);
    char value[MAX_PATH * 2];
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    if (::RegQueryValueExA(key.Get(), "programs", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return "";
    value[size] = '\0';
    return value;
}

std::string WindowsHelpFolder() {
    char windows[MAX_PATH];
    UINT n = ::GetWindowsDirectoryA(windows, sizeof windows);
    if (n == 0 || n >= sizeof windows) return "";
    return JoinPath(std::string(windows, n), "Help");
}

std::string OwnFileName() {
    char name[MAX_PATH * 2];
    DWORD n = ::GetModuleFileNameA(nullptr, name, sizeof name);
    return std::string(name, n < sizeof name ? n : 0);
}

bool FileExists(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
