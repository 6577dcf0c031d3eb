// The licence page: shows the agreement; I Agree goes on, Exit asks the Cancel question.
#include "pages/page_conventions.h"
#include "pages/pages.h"
#include "rtl/callback_guard.h"
#include "setup/config.h"

HWND AgreementBox = nullptr;

namespace {

// Child, visible, vertical scroll bar, multi-line, read-only; no tab stop, so Tab never enters it,
// and no horizontal scrolling, so the paragraphs wrap.
constexpr DWORD AgreementBoxStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY;
static_assert(AgreementBoxStyle == 0x50200804, "agreement box style");

// The box is placed in pixels, not dialog units: 10 inside the left, top and right edges of the
// client area, 80 above its bottom. It keeps the system font; no font is set on it.
void CreateAgreementBox(HWND dialog) {
    RECT client{};
    ::GetClientRect(dialog, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    AgreementBox = ::CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", Config.AgreementText.c_str(), AgreementBoxStyle,
                                     10, 10, width - 20, height - 90, dialog, nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

INT_PTR CALLBACK LicenseDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return GuardDialogProc(dialog, [&]() -> INT_PTR {
        switch (message) {
        case WM_INITDIALOG:
            CreateAgreementBox(dialog);
            CenterOnScreen(dialog);
            ::SetFocus(::GetDlgItem(dialog, IDOK));
            return 0;  // the focus is set
        case WM_DESTROY:
            // The box goes with the dialog; forget its handle.
            AgreementBox = nullptr;
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
