#include "stages/stage_dialog.h"

#include "lzh/install_running.h"
#include "pages/page_conventions.h"
#include "setup/globals.h"
#include "stages/progress_meter.h"

INT_PTR HandleStageMessage(HWND dialog, UINT message, WPARAM wParam, void (*work)(HWND dialog)) {
    switch (message) {
    case WM_INITDIALOG:
        ::SetWindowTextA(dialog, "Please Stand By...");
        StartProgressMeter(dialog);  // centres the dialog and sets InstallRunning to 1
        ::SetFocus(::GetDlgItem(dialog, IDCANCEL));
        ::PostMessageA(dialog, WM_STARTSTAGE, 0, 0);
        return 0;
    case WM_DESTROY:
        InstallRunning = 0;
        return 0;
    case WM_STARTSTAGE:
        work(dialog);
        ::EndDialog(dialog, InstallRunning);
        return 1;
    }
    // A confirmed Cancel only clears the flag; the work sees it and ends the dialog.
    if (CommandId(message, wParam) == IDCANCEL && ConfirmCancel()) InstallRunning = 0;
    return 0;
}
