// Removal of the Programs-menu shortcuts that start the product.
#pragma once

#include <string>

#include "removal_report.h"

// Deletes every shortcut (.LNK) in the Programs folder and its subfolders whose target is
// Target. The user may have renamed or moved the shortcut, so they are found by target, not
// by name. Must run while Target still exists, so that short and long names compare equal.
void RemoveShortcutsTo(const std::string& target, TRemovalReport& report);
