// The question for a further distribution disk during the volume assembly.
#pragma once

#include <windows.h>

#include <string>

// Asks for the disk with Prompt until the volume at Path is there, showing the wrong-disk
// message after an OK that changed nothing. Refused: the volume at Path was just refused as the
// wrong one, so it counts as missing until the user confirms that another disk is in. Cancel
// while the volume is missing (or refused) clears InstallRunning; Cancel after it has appeared
// ends the wait and the volume is copied. No question is asked when the volume is there already.
void WaitForDisk(HWND dialog, const std::string& prompt, const std::string& path, bool refused);

// Says that the disk in the drive is not the one asked for (owned by the stage dialog).
void ShowWrongDisk(HWND dialog);
