// Errors must not unwind through the system's frames (a dialog's modal loop, DispatchMessage).
// Dialog procedures therefore catch every error at their boundary, park it here and end their
// dialog; the code that ran the dialog or dispatched the message raises it again, so it still
// travels on to the top-level report.
#pragma once

#include <windows.h>

#include <exception>
#include <utility>

#include "rtl/error_report.h"

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

// Runs a window procedure's body. The backdrop's messages arrive from every modal loop, also
// where nothing would raise a parked error again, so an error there is reported at once.
template <class Body>
LRESULT GuardWindowProc(Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        ReportErrorAndExit(std::current_exception());
    }
}
