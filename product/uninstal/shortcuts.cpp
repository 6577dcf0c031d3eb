#include "shortcuts.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "paths.h"
#include "rtl/win_handles.h"

namespace {

// The link's target as stored in it, or empty when the file is no shell link.
std::string LinkTarget(const std::string& linkFile) {
    ComPtr<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.OutVoid())))
        return "";
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.OutVoid()))) return "";
    wchar_t wide[MAX_PATH * 2];
    if (::MultiByteToWideChar(CP_ACP, 0, linkFile.c_str(), -1, wide, MAX_PATH * 2) == 0) return "";
    if (FAILED(file->Load(wide, STGM_READ))) return "";
    char target[MAX_PATH * 2] = "";
    // The raw path: resolving could search the disk for a moved target and pick another file.
    if (link->GetPath(target, sizeof target, nullptr, SLGP_RAWPATH) != S_OK) return "";
    return target;
}

void Scan(const std::string& folder, const std::string& target, int depth, TRemovalReport& report) {
    WIN32_FIND_DATAA found;
    UniqueFindHandle find(::FindFirstFileA(JoinPath(folder, "*").c_str(), &found));
    if (!find) return;
    std::vector<std::string> subfolders;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = JoinPath(folder, name);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            subfolders.push_back(path);
            continue;
        }
        if (name.size() < 4 || ::lstrcmpiA(name.c_str() + name.size() - 4, ".lnk") != 0) continue;
        const std::string linked = LinkTarget(path);
        if (linked.empty() || !SamePath(linked, target)) continue;
        if (!::DeleteFileA(path.c_str())) report.NotRemoved.push_back(path + " (shortcut in use or write-protected)");
    } while (::FindNextFileA(find.Get(), &found));
    find.Reset();
    // A shortcut name with a backslash puts it one folder down; a few levels are plenty.
    if (depth < 3)
        for (const std::string& sub : subfolders) Scan(sub, target, depth + 1, report);
}

}  // namespace

void RemoveShortcutsTo(const std::string& target, TRemovalReport& report) {
    const std::string programs = ProgramsFolder();
    if (programs.empty() || !FolderExists(programs)) return;
    ComInitialization com;
    Scan(programs, target, 0, report);
}
