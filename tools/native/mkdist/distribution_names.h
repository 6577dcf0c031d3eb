// Names and limits the setup program is built with and the distribution has to match.
#pragma once

#include <cstdint>
#include <string>

// Volumes are "Glyphwor.001", "Glyphwor.002", ...: the setup program replaces the extension
// of its first volume's name with the disk number.
constexpr const char* VolumeBaseName = "Glyphwor";
// The setup program copies disks 1 to 4 at most.
constexpr int MaxVolumes = 4;
// A 3.5" high-density disk as formatted by DOS and Windows.
constexpr int64_t DefaultDiskSize = 1457664;
// The name the setup program gives the decoded stream and then the main executable.
constexpr const char* MainExeName = "Glyphwork.Exe";
// The uninstall entry runs this file from the destination folder.
constexpr const char* UninstallExeName = "UnInstal.Exe";

// "Glyphwor.001" for Number 1.
std::string VolumeFileName(int Number);

// ASCII upper case, the way the setup program compares extensions.
std::string UpperCase(std::string Text);
bool SameNameIgnoringCase(const std::string& A, const std::string& B);

// Where the setup program puts an entry, by the extension of its name.
enum class TEntryPlacement { Destination, HelpFolder, KeptIfPresent };
TEntryPlacement PlacementOf(const std::string& Name);
const char* DescribePlacement(TEntryPlacement Placement);
