// Minimal destination page: proposes the built-in folder and takes a drive-letter entry.
#include <string>

#include "pages/page_conventions.h"
#include "pages/pages.h"
#include "rtl/bin_file.h"
#include "rtl/callback_guard.h"
#include "setup/config.h"
#include "setup/globals.h"

namespace {
constexpr int DestinationEdit = 104;
}

INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return GuardDialogProc(dialog, [&]() -> INT_PTR {
        switch (message) {
        case WM_INITDIALOG:
            DestDir = ExtractFilePath(ModuleFileName());
            ::SetWindowTextA(dialog, "Destination Directory");
            ::SetDlgItemTextA(dialog, DestinationEdit, Config.ProposedDir.c_str());
            CenterOnScreen(dialog);
            ::SetFocus(::GetDlgItem(dialog, DestinationEdit));
            return 0;
        case WM_DESTROY:
            ::EndDialog(dialog, 0);
            return 0;
        }
        switch (CommandId(message, wParam)) {
        case IDOK: {
            char text[256] = {};
            ::SendDlgItemMessageA(dialog, DestinationEdit, WM_GETTEXT, 255, reinterpret_cast<LPARAM>(text));
            DestDir = text;
            if (DestDir.size() >= 2 && DestDir[0] >= 'A' && DestDir[0] <= 'Z' && DestDir[1] == ':') {
                ::CreateDirectoryA(DestDir.c_str(), nullptr);
                ::EndDialog(dialog, 1);
            }
            break;
        }
        case IDCANCEL:
            if (ConfirmCancel()) ::EndDialog(dialog, 0);
            break;
        }
        return 0;
    });
}
