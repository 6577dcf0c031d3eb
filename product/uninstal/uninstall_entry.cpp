#include "uninstall_entry.h"

#include <windows.h>

#include "paths.h"
#include "rtl/win_handles.h"

namespace {

constexpr const char* UninstallKey = "Software\\microsoft\\windows\\currentversion\\uninstall";
constexpr const char* ProductKey = "Glyphwork";
constexpr const char* EntryValues[] = {"DisplayName", "UnInstallString"};

std::string ReadString(HKEY key, const char* name) {
    char value[MAX_PATH * 2];
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return "";
    value[size] = '\0';
    return value;
}

}  // namespace

void RemoveUninstallEntry(const std::string& uninstaller, TRemovalReport& report) {
    const std::string where = std::string("HKEY_LOCAL_MACHINE\\") + UninstallKey + "\\" + ProductKey;
    HKEY raw = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, UninstallKey, 0, KEY_ALL_ACCESS, &raw) != ERROR_SUCCESS) return;
    UniqueRegKey parent(raw);
    if (::RegOpenKeyExA(parent.Get(), ProductKey, 0, KEY_ALL_ACCESS, &raw) != ERROR_SUCCESS) return;
    UniqueRegKey entry(raw);

    const std::string command = ReadString(entry.Get(), "UnInstallString");
    if (!command.empty() && !SamePath(command, uninstaller)) return;

    for (const char* name : EntryValues) {
        const LONG result = ::RegDeleteValueA(entry.Get(), name);
        if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
            report.NotRemoved.push_back(where + ", value " + name);
    }
    DWORD subkeys = 0;
    DWORD values = 0;
    if (::RegQueryInfoKeyA(entry.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                           nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return;
    entry.Reset();
    // Values another program added to our key are not ours to delete; then the key stays too.
    if (subkeys == 0 && values == 0 && ::RegDeleteKeyA(parent.Get(), ProductKey) != ERROR_SUCCESS)
        report.NotRemoved.push_back(where);
}
