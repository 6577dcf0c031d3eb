// The destination page: proposes a folder, takes the user's entry and makes sure it exists.
#include "pages/destination_entry.h"
#include "pages/dialog_text.h"
#include "pages/folder_checks.h"
#include "pages/page_conventions.h"
#include "pages/pages.h"
#include "pages/proposed_folder.h"
#include "rtl/bin_file.h"
#include "rtl/callback_guard.h"
#include "setup/config.h"
#include "setup/globals.h"

namespace {

constexpr int DestinationEdit = 104;

void StartPage(HWND dialog) {
    // Until the first OK the destination is the setup program's own folder.
    DestDir = ExtractFilePath(ModuleFileName());
    ::SetWindowTextA(dialog, "Destination Directory");
    Config.ProposedDir = ProposeDestination();
    ::SendDlgItemMessageA(dialog, DestinationEdit, WM_SETTEXT, 0,
                          reinterpret_cast<LPARAM>(Config.ProposedDir.c_str()));
    CenterOnScreen(dialog);
    ::SetFocus(::GetDlgItem(dialog, DestinationEdit));
}

void Accept(HWND dialog) {
    // DestDir follows every press, accepted or not.
    DestDir = ReadItemText(dialog, DestinationEdit);
    // A rejected entry is ignored silently; the user corrects it or cancels.
    if (HasDestinationForm(DestDir) && EnsureFolder(DestDir)) ::EndDialog(dialog, 1);
}

constexpr TPageHandlers DestinationPage{StartPage, Accept, /*AskBeforeCancel=*/true, nullptr};

}  // namespace

INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return GuardDialogProc(dialog, [&] { return HandlePageMessage(dialog, message, wParam, DestinationPage); });
}
