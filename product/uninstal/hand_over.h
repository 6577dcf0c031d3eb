// Windows cannot delete a running program's file, nor a folder that holds one. So the
// uninstaller started from the product folder copies itself to the temporary folder, starts
// that copy with the product folder and a handle on its own process, and ends; the copy waits
// for it to be gone and then removes everything, its original included.
#pragma once

#include <windows.h>

#include <string>

// Starts the temporary copy for Folder. False when it could not be started (nothing to clean up
// then: a copy that did not start is deleted again).
bool HandOverToTemporaryCopy(const std::string& folder);

// The arguments the temporary copy gets: "/remove HANDLE FOLDER", the folder last and verbatim so
// that no quoting rule can change it.
struct THandOverArguments {
    HANDLE Original = nullptr;  // the process to wait for
    std::string Folder;
};
// Reads them from the command line; false when it holds no hand-over.
bool ParseHandOver(const char* commandLine, THandOverArguments& arguments);

// Waits until the original process has ended and released its file.
void WaitForOriginal(HANDLE original);
