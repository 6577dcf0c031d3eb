// The setup program's main routine and the operations of its page sequence.
#pragma once

#include <windows.h>

// Runs the dialog made from the template Name; false when the template is missing
// (PageResult is then left as it was), otherwise PageResult holds the dialog's result.
bool RunPage(const char* templateName, DLGPROC dialogProc);

// Starts the installed product.
void LaunchProduct();

// The whole run; the process's exit code.
int SetupMain();
