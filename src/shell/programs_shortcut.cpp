// Minimal: no shortcut yet.
#include "shell/shell.h"

void CreateProgramsShortcut() {}
