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

// What a page does with the messages that every page handles.
struct TPageHandlers {
    void (*Start)(HWND dialog);   // WM_INITDIALOG: set up the page, centre it, set the focus
    void (*Accept)(HWND dialog);  // id 1: OK or Enter
    bool AskBeforeCancel;         // id 2: the Cancel question first, or end with 0 at once
    void (*Destroyed)();          // WM_DESTROY, before the page ends with 0; may be null
};

// The shared message handling of the pages. Returns 0 (FALSE) for every message, so the
// default dialog handling always follows; for WM_INITDIALOG that means the focus is set.
INT_PTR HandlePageMessage(HWND dialog, UINT message, WPARAM wParam, const TPageHandlers& page);
