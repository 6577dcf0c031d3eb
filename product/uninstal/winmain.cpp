// UnInstal.Exe: removes Glyphwork again, exactly what its setup program installed.
//
// Started from the product folder it asks for confirmation and hands the work to a copy of
// itself in the temporary folder (see hand_over.h); that copy removes the shortcut, the
// uninstall entry, the product's files and the folder, and tells the user what stayed.
#include <windows.h>

#include <string>

#include "hand_over.h"
#include "paths.h"
#include "removal.h"

namespace {

constexpr const char* Caption = "Glyphwork Uninstall";
constexpr const char* Question =
    "Do you want to remove Glyphwork and all of its components from this computer?\r\n\r\n"
    "Files you added to the Glyphwork folder yourself are kept.";
constexpr const char* Done = "Glyphwork has been removed from your computer.";
constexpr const char* Partly = "Glyphwork has been removed, but these items could not be removed:\r\n\r\n";
constexpr const char* Afterwards = "\r\nYou may remove them yourself.";

void Report(const TRemovalReport& report) {
    if (report.NotRemoved.empty()) {
        ::MessageBoxA(nullptr, Done, Caption, MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
        return;
    }
    std::string text = Partly;
    for (const std::string& line : report.NotRemoved) text += line + "\r\n";
    text += Afterwards;
    ::MessageBoxA(nullptr, text.c_str(), Caption, MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
}

// The folder the running file lies in, as the setup program named it in the entry.
std::string OwnFolder() {
    const std::string own = OwnFileName();
    const size_t slash = own.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : WithoutTrailingBackslash(own.substr(0, slash + 1));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    THandOverArguments handOver;
    if (ParseHandOver(::GetCommandLineA(), handOver)) {
        WaitForOriginal(handOver.Original);
        Report(RemoveProduct(handOver.Folder, false));
        // This temporary copy cannot delete itself while it runs; Windows does it at the next start.
        ::MoveFileExA(OwnFileName().c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        return 0;
    }

    const std::string folder = OwnFolder();
    if (folder.empty()) return 1;
    if (::MessageBoxA(nullptr, Question, Caption, MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND) != IDYES) return 0;
    if (HandOverToTemporaryCopy(folder)) return 0;
    // No copy could be started: remove what can go now, the rest when Windows restarts.
    Report(RemoveProduct(folder, true));
    return 0;
}
