// Minimal volume assembly stage: checks that the first volume is there and goes on.
#include "lzh/install_running.h"
#include "pages/page_conventions.h"
#include "rtl/bin_file.h"
#include "rtl/callback_guard.h"
#include "setup/config.h"
#include "setup/globals.h"
#include "stages/stages.h"

INT_PTR CALLBACK IProgressDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
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
        case WM_STARTSTAGE: {
            TBinaryFile volume;
            volume.Reset(JoinPath(SourceDir, Config.VolumeName), FileModeRead | FileShareDenyWrite);
            volume.Close();
            ::EndDialog(dialog, InstallRunning);
            return 1;
        }
        }
        if (CommandId(message, wParam) == IDCANCEL && ConfirmCancel()) InstallRunning = 0;
        return 0;
    });
}
