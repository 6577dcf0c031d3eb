// The shortcut to the installed product in the current user's Programs menu folder.
#include <windows.h>
#include <objidl.h>
#include <shobjidl.h>

#include <string>

#include "rtl/reg_ini_file.h"
#include "rtl/win_handles.h"
#include "setup/config.h"
#include "setup/globals.h"
#include "shell/shell.h"
#include "shell/shell_link_ids.h"

namespace {

// Room for this many characters of the shortcut's path, and its terminating null.
constexpr int MaxWidePathChars = 254;

std::string ProgramsFolder() {
    TRegIniFile explorer("Software\\microsoft\\windows\\currentversion\\explorer");
    return explorer.ReadString("Shell Folders", "programs", "");
}

// A wide copy of Path in the ANSI code page. A path that does not fit is not cut short (a cut
// name could be another file's): it gives an empty name, under which the link saves nothing.
std::wstring WideShortcutPath(const std::string& path) {
    wchar_t wide[MaxWidePathChars + 1] = {};
    if (::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MaxWidePathChars + 1) == 0) wide[0] = L'\0';
    return wide;
}

}  // namespace

void CreateProgramsShortcut() {
    const std::string programs = ProgramsFolder();
    // Without the folder the name would be relative to whatever the current folder happens to be;
    // a stray shortcut there helps nobody.
    if (programs.empty()) return;

    // Declared first, so the interfaces below are released before COM is uninitialised.
    ComInitialization com;
    ComPtr<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(ShellLinkIds::CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                  ShellLinkIds::IID_IShellLinkA, link.OutVoid())))
        return;
    link->SetPath(JoinPath(DestDir, Config.MainExeName).c_str());
    link->SetWorkingDirectory(DestDir.c_str());  // as entered, with or without a trailing backslash
    link->SetShowCmd(SW_SHOWNORMAL);
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(ShellLinkIds::IID_IPersistFile, file.OutVoid()))) return;

    Config.ShortcutName += ".LNK";
    const std::wstring widePath = WideShortcutPath(JoinPath(programs, Config.ShortcutName));
    file->Save(widePath.c_str(), FALSE);
}
