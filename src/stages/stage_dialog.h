// The message handling both stage dialogs share: they start their work by posting themselves
// WM_STARTSTAGE, do it all inside that message, and end with InstallRunning as their result.
#pragma once

#include <windows.h>

// Work is the whole stage; it returns when done or cancelled (InstallRunning then 0).
INT_PTR HandleStageMessage(HWND dialog, UINT message, WPARAM wParam, void (*work)(HWND dialog));
