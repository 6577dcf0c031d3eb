// Errors must not unwind through the system's frames (a dialog's modal loop, DispatchMessage).
// Window and dialog procedures therefore catch every error at their boundary, park it here and
// end their dialog; the code that ran the dialog or dispatched the message raises it again,
// so it still travels on to the top-level report.
#pragma once

#include <windows.h>

#include <exception>
#include <utility>

extern std::exception_ptr PendingError;

// Raises the parked error, if any.
void RaisePendingError();

// Runs a dialog procedure's body; an error ends the dialog with -1 and is parked.
template <class Body>
INT_PTR GuardDialogProc(HWND dialog, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        if (!PendingError) PendingError = std::current_exception();
        ::EndDialog(dialog, -1);
        return 0;
    }
}

// Runs a window procedure's body; an error is parked and the message counts as handled.
template <class Body>
LRESULT GuardWindowProc(Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        if (!PendingError) PendingError = std::current_exception();
        return 0;
    }
}
