// The shortcut-name page: takes the name of the Programs-menu shortcut. Cancel only leaves the
// shortcut out, so it asks no question.
#include "pages/dialog_text.h"
#include "pages/page_conventions.h"
#include "pages/pages.h"
#include "rtl/callback_guard.h"
#include "setup/config.h"

namespace {

constexpr int NameEdit = 102;

void StartPage(HWND dialog) {
    ::SetWindowTextA(dialog, "Program Group");
    CenterOnScreen(dialog);
    ::SendDlgItemMessageA(dialog, NameEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Config.ShortcutName.c_str()));
    // Enter accepts the proposed name at once.
    ::SetFocus(::GetDlgItem(dialog, IDOK));
}

void Accept(HWND dialog) {
    // Taken as typed; the shortcut makes the file name from it.
    Config.ShortcutName = ReadItemText(dialog, NameEdit);
    ::EndDialog(dialog, 1);
}

constexpr TPageHandlers GroupPage{StartPage, Accept, /*AskBeforeCancel=*/false, nullptr};

}  // namespace

INT_PTR CALLBACK GroupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return GuardDialogProc(dialog, [&] { return HandlePageMessage(dialog, message, wParam, GroupPage); });
}
