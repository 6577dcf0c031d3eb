// What the setup program leaves in the shell: the Programs-menu shortcut and the uninstall entry.
#pragma once

void CreateProgramsShortcut();
void WriteUninstallEntry();
