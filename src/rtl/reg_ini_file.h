// Registry values addressed by key path, section (a subkey) and value name.
// Everything is opened with full access; keys are ordinary, non-volatile keys.
#pragma once

#include <windows.h>

#include <string>

#include "rtl/exception.h"
#include "rtl/win_handles.h"

class ERegistryException : public Exception {
public:
    explicit ERegistryException(std::string message);
    const char* ClassName() const noexcept override { return "ERegistryException"; }
};

class TRegIniFile {
public:
    // Opens KeyPath below HKEY_CURRENT_USER, creating it when missing. A failure is silent:
    // the object then has no current key.
    explicit TRegIniFile(const std::string& keyPath);
    TRegIniFile(const TRegIniFile&) = delete;
    TRegIniFile& operator=(const TRegIniFile&) = delete;

    // Switches to another predefined root; the current key is closed.
    void SetRootKey(HKEY root);
    // Opens KeyPath below the root (creating it when asked) and makes it the current key.
    // On failure the current key stays as it was.
    bool OpenKey(const std::string& keyPath, bool canCreate);

    // The string in Section\Name below the current key (below the root when there is none);
    // Default when the section cannot be opened, the value is missing or is not a string.
    // Expandable strings come back as stored, cut at their first null.
    std::string ReadString(const std::string& section, const std::string& name, const std::string& defaultValue) const;
    // Creates Section below the current key (or the root) and stores Value there as REG_SZ.
    // Raises "Failed to create key <section>" or "Failed to set data for '<name>'".
    void WriteString(const std::string& section, const std::string& name, const std::string& value);

    bool HasCurrentKey() const noexcept { return current_.Valid(); }

private:
    HKEY Base() const noexcept { return current_.Valid() ? current_.Get() : root_; }

    HKEY root_ = HKEY_CURRENT_USER;
    UniqueRegKey current_;
};
