// Text-only path helpers: no file system access, so they behave the same everywhere.
#pragma once

#include <string>

// Folder + Name: an empty folder gives Name; a folder ending in "\" gets no second one.
// Name is used unchanged, a leading backslash included.
std::string JoinPath(const std::string& folder, const std::string& name);

// True when Text holds "*" or "?" anywhere.
bool HasWildcard(const std::string& text);
