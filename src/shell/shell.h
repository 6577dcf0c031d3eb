// What the setup program leaves in the shell: the Programs-menu shortcut and the uninstall entry.
#pragma once

// Writes the shortcut ShortcutName + ".LNK" to the installed main executable into the user's
// Programs folder. Failures end it quietly: the installation completes all the same.
void CreateProgramsShortcut();

// Records DisplayName and UnInstallString below HKLM's uninstall key, in the subkey ProductName.
// Registry failures raise ERegistryException.
void WriteUninstallEntry();
