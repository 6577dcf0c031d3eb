// Minimal: no uninstall entry yet.
#include "shell/shell.h"

void WriteUninstallEntry() {}
