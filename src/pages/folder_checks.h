// Whether a drive or folder is there, and making sure a destination folder exists.
#pragma once

#include <string>

// True when the drive named by Letter (either case) has a volume behind it.
bool DriveExists(char letter);

// True when Path names an existing folder. An entry with a wildcard is judged by its folder
// part, an entry of at most 3 characters by its drive letter; one trailing backslash is allowed.
bool FolderExists(const std::string& path);

// True when Path exists as a folder or could be created (one level) and made the current
// directory. Nothing is reported or raised on failure.
bool EnsureFolder(const std::string& path);
