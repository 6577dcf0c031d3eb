#include "removal.h"

#include <windows.h>

#include <cstring>

#include "generated/product_list.h"
#include "paths.h"
#include "product_files.h"
#include "shortcuts.h"
#include "uninstall_entry.h"

namespace {

constexpr const char* UninstallerName = "UnInstal.Exe";

bool FolderIsEmpty(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA(JoinPath(folder, "*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return true;
    bool empty = true;
    do {
        if (std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0) empty = false;
    } while (empty && ::FindNextFileA(find, &found));
    ::FindClose(find);
    return empty;
}

void RemoveFolder(const std::string& folder, TRemovalReport& report) {
    // Installed into the root of a drive: the drive is not ours to remove.
    if (folder.size() <= 3) return;
    if (!FolderExists(folder) || ::RemoveDirectoryA(folder.c_str())) return;
    if (!FolderIsEmpty(folder))
        report.NotRemoved.push_back(folder + " (it holds files that are not part of Glyphwork)");
    else
        report.NotRemoved.push_back(folder + " (in use)");
}

}  // namespace

TRemovalReport RemoveProduct(const std::string& folder, bool keepOwnFile) {
    TRemovalReport report;
    const std::string uninstaller = JoinPath(folder, UninstallerName);
    // Shortcuts and the entry are matched by path, which compares soundly only while the files exist.
    RemoveShortcutsTo(JoinPath(folder, ProductMainExe), report);
    RemoveUninstallEntry(uninstaller, report);
    if (keepOwnFile) {
        const std::string own = OwnFileName();
        RemoveProductFiles(folder, own, report);
        if (::MoveFileExA(own.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT))
            report.NotRemoved.push_back(own + " (removed when Windows restarts)");
        else
            report.NotRemoved.push_back(own + " (in use)");
        if (FolderExists(folder) && !::RemoveDirectoryA(folder.c_str()))
            ::MoveFileExA(folder.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        return report;
    }
    RemoveProductFiles(folder, "", report);
    RemoveFolder(folder, report);
    return report;
}
