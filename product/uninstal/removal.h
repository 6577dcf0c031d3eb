// Everything the setup program installed, removed in an order that keeps the checks sound.
#pragma once

#include <string>

#include "removal_report.h"

// Removes the product installed in Folder. KeepOwnFile: the running uninstaller is Folder's own
// UnInstal.Exe (no temporary copy could be started); its file and the folder are then left to be
// deleted when Windows restarts.
TRemovalReport RemoveProduct(const std::string& folder, bool keepOwnFile);
