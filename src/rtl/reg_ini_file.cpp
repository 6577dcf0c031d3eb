#include "rtl/reg_ini_file.h"

#include <utility>
#include <vector>

__attribute__((noinline)) ERegistryException::ERegistryException(std::string message)
    : Exception(std::move(message), __builtin_return_address(0)) {}

namespace {

UniqueRegKey CreateKey(HKEY base, const std::string& path) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(base, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        return {};
    return UniqueRegKey(key);
}

UniqueRegKey OpenExistingKey(HKEY base, const std::string& path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(base, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return {};
    return UniqueRegKey(key);
}

}  // namespace

TRegIniFile::TRegIniFile(const std::string& keyPath) { current_ = CreateKey(root_, keyPath); }

void TRegIniFile::SetRootKey(HKEY root) {
    current_.Reset();
    root_ = root;
}

bool TRegIniFile::OpenKey(const std::string& keyPath, bool canCreate) {
    UniqueRegKey key = canCreate ? CreateKey(root_, keyPath) : OpenExistingKey(root_, keyPath);
    if (!key) return false;
    current_ = std::move(key);
    return true;
}

std::string TRegIniFile::ReadString(const std::string& section, const std::string& name,
                                    const std::string& defaultValue) const {
    UniqueRegKey key = OpenExistingKey(Base(), section);
    if (!key) return defaultValue;
    DWORD type = 0, size = 0;
    if (::RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return defaultValue;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return defaultValue;
    std::vector<char> data(size + 1, '\0');
    if (::RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return defaultValue;
    return std::string(data.data());  // up to the first null
}

void TRegIniFile::WriteString(const std::string& section, const std::string& name, const std::string& value) {
    if (!CreateKey(Base(), section)) throw ERegistryException("Failed to create key " + section);
    UniqueRegKey key = OpenExistingKey(Base(), section);
    if (!key) return;  // created but not openable: the value is silently not written
    if (::RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS)
        throw ERegistryException("Failed to set data for '" + name + "'");
}
