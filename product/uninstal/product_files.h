// Removal of the product's own files.
#pragma once

#include <string>

#include "removal_report.h"

// Deletes every file of the product's list from Folder, and help files also from the Windows
// folder's Help. Files that are not on the list are never touched, nor is Skip (the running
// program's own file when it cannot be deleted now; empty for none).
void RemoveProductFiles(const std::string& folder, const std::string& skip, TRemovalReport& report);
