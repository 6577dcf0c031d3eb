// Minimal licence page: I Agree goes on, Exit asks the Cancel question.
#include "pages/page_conventions.h"
#include "pages/pages.h"
#include "rtl/callback_guard.h"

INT_PTR CALLBACK LicenseDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return GuardDialogProc(dialog, [&]() -> INT_PTR {
        switch (message) {
        case WM_INITDIALOG:
            CenterOnScreen(dialog);
            ::SetFocus(::GetDlgItem(dialog, IDOK));
            return 0;
        case WM_DESTROY:
            ::EndDialog(dialog, 0);
            return 0;
        }
        switch (CommandId(message, wParam)) {
        case IDOK:
            ::EndDialog(dialog, 1);
            break;
        case IDCANCEL:
            if (ConfirmCancel()) ::EndDialog(dialog, 0);
            break;
        }
        return 0;
    });
}
