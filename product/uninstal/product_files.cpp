#include "product_files.h"

#include <windows.h>

#include <cctype>

#include "generated/product_list.h"
#include "paths.h"

namespace {

bool IsHelpFile(const std::string& name) {
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    std::string ext = name.substr(dot);
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ext == ".HLP";
}

void RemoveFile(const std::string& path, const std::string& skip, TRemovalReport& report) {
    if (!FileExists(path) || (!skip.empty() && SamePath(path, skip))) return;
    // Our own earlier copy, or a virus scanner, may hold the file for a moment after use.
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (::DeleteFileA(path.c_str()) || !FileExists(path)) return;
        ::Sleep(100);
    }
    report.NotRemoved.push_back(path + " (in use or write-protected)");
}

}  // namespace

void RemoveProductFiles(const std::string& folder, const std::string& skip, TRemovalReport& report) {
    const std::string help = WindowsHelpFolder();
    for (const char* name : ProductFiles) {
        // The setup program puts help files into Windows\Help, or into the product folder
        // when that does not exist; look in both.
        if (IsHelpFile(name) && !help.empty()) RemoveFile(JoinPath(help, name), skip, report);
        RemoveFile(JoinPath(folder, name), skip, report);
    }
}
