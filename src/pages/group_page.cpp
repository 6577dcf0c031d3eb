// Minimal shortcut-name page.
#include "pages/page_conventions.h"
#include "pages/pages.h"
#include "rtl/callback_guard.h"
#include "setup/config.h"

namespace {
constexpr int NameEdit = 102;
}

INT_PTR CALLBACK GroupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return GuardDialogProc(dialog, [&]() -> INT_PTR {
        switch (message) {
        case WM_INITDIALOG:
            ::SetWindowTextA(dialog, "Program Group");
            CenterOnScreen(dialog);
            ::SetDlgItemTextA(dialog, NameEdit, Config.ShortcutName.c_str());
            ::SetFocus(::GetDlgItem(dialog, IDOK));
            return 0;
        case WM_DESTROY:
            ::EndDialog(dialog, 0);
            return 0;
        }
        switch (CommandId(message, wParam)) {
        case IDOK: {
            char text[256] = {};
            ::SendDlgItemMessageA(dialog, NameEdit, WM_GETTEXT, 255, reinterpret_cast<LPARAM>(text));
            Config.ShortcutName = text;
            ::EndDialog(dialog, 1);
            break;
        }
        case IDCANCEL:
            ::EndDialog(dialog, 0);
            break;
        }
        return 0;
    });
}
