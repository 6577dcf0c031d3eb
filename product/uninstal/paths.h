// Path helpers of the uninstaller.
#pragma once

#include <string>

// Folder and Name joined by exactly one backslash; an empty Folder gives Name.
std::string JoinPath(const std::string& folder, const std::string& name);
// The folder without a trailing backslash (a drive root such as "C:\" keeps its own).
std::string WithoutTrailingBackslash(const std::string& folder);
// Whether the two paths name the same file: compared as full, long paths without regard to case,
// so "C:\PROGRA~1\Glyphwork\glyphwork.exe" matches "C:\Program Files\Glyphwork\Glyphwork.Exe".
bool SamePath(const std::string& a, const std::string& b);
// The current user's Programs menu folder, as the setup program finds it; empty when unknown.
std::string ProgramsFolder();
// The Windows folder's Help subfolder, where the setup program puts help files.
std::string WindowsHelpFolder();
// The running program's own file.
std::string OwnFileName();
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
