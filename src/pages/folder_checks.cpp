#include "pages/folder_checks.h"

#include <windows.h>

#include "pages/path_helpers.h"
#include "rtl/bin_file.h"
#include "rtl/win_handles.h"

bool DriveExists(char letter) {
    char upper[2] = {letter, '\0'};
    ::CharUpperBuffA(upper, 1);
    if (upper[0] < 'A' || upper[0] > 'Z') return false;
    const char root[] = {upper[0], ':', '\\', '\0'};
    // A letter without a volume reports DRIVE_NO_ROOT_DIR; only real drive types count,
    // or the page would accept a destination that cannot be written to.
    return ::GetDriveTypeA(root) > DRIVE_NO_ROOT_DIR;
}

bool FolderExists(const std::string& entry) {
    std::string path = HasWildcard(entry) ? ExtractFilePath(entry) : entry;
    if (path.empty()) return false;
    // "C:", "C:\" and the like name a drive, which has no entry of its own to find.
    if (path.size() <= 3) return DriveExists(path[0]);
    // The search finds "C:\A" but not "C:\A\".
    if (path.back() == '\\') path.pop_back();

    // FindFirstFileA filters nothing out, so every kind of entry can match; only a folder counts.
    WIN32_FIND_DATAA found{};
    UniqueFindHandle search(::FindFirstFileA(path.c_str(), &found));
    if (!search) return false;
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool EnsureFolder(const std::string& path) {
    if (FolderExists(path)) return true;
    // A failed creation is not final: a folder the search cannot find (written with two
    // trailing backslashes, say) can still be made current, and that is what decides.
    ::CreateDirectoryA(path.c_str(), nullptr);
    return ::SetCurrentDirectoryA(path.c_str()) != FALSE;
}
