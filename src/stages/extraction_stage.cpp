// Minimal extraction stage: goes on at once.
#include "lzh/install_running.h"
#include "pages/page_conventions.h"
#include "rtl/callback_guard.h"
#include "setup/globals.h"
#include "stages/stages.h"

INT_PTR CALLBACK ProgressDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return GuardDialogProc(dialog, [&]() -> INT_PTR {
        switch (message) {
        case WM_INITDIALOG:
            ::SetWindowTextA(dialog, "Please Stand By...");
            CenterOnScreen(dialog);
            InstallRunning = 1;
            ::SetFocus(::GetDlgItem(dialog, IDCANCEL));
            ::PostMessageA(dialog, WM_STARTSTAGE, 0, 0);
            return 0;
        case WM_DESTROY:
            InstallRunning = 0;
            return 0;
        case WM_STARTSTAGE:
            ::EndDialog(dialog, InstallRunning);
            return 1;
        }
        if (CommandId(message, wParam) == IDCANCEL && ConfirmCancel()) InstallRunning = 0;
        return 0;
    });
}
