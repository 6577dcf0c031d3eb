// Removal of the product's entry in the list of installed programs.
#pragma once

#include <string>

#include "removal_report.h"

// Deletes the values "DisplayName" and "UnInstallString" of the Glyphwork key below the
// machine's uninstall key, and the key itself when nothing else is left in it. An entry whose
// command names another folder's uninstaller belongs to another installation and stays.
void RemoveUninstallEntry(const std::string& uninstaller, TRemovalReport& report);
