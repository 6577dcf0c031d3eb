// What every dialog of the setup program shares: centring, the Cancel question and the
// reading of command ids.
#pragma once

#include <windows.h>

// Centres the dialog's window rectangle on the screen and raises it to the top.
void CenterOnScreen(HWND dialog);

// Asks "Exit <product>" whether to terminate; true on Yes. The question has no owner window.
bool ConfirmCancel();

// The command id of a WM_COMMAND or WM_SYSCOMMAND message (its low 16 bits), or 0 for other messages.
inline WORD CommandId(UINT message, WPARAM wParam) {
    return (message == WM_COMMAND || message == WM_SYSCOMMAND) ? LOWORD(wParam) : 0;
}
