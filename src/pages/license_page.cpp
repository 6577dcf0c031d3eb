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

void StartPage(HWND dialog) {
    CreateAgreementBox(dialog);
    CenterOnScreen(dialog);
    // Enter agrees at once.
    ::SetFocus(::GetDlgItem(dialog, IDOK));
}

void Accept(HWND dialog) { ::EndDialog(dialog, 1); }

// The box goes with the dialog; forget its handle.
void Destroyed() { AgreementBox = nullptr; }

constexpr TPageHandlers LicensePage{StartPage, Accept, /*AskBeforeCancel=*/true, Destroyed};

}  // namespace

INT_PTR CALLBACK LicenseDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return GuardDialogProc(dialog, [&] { return HandlePageMessage(dialog, message, wParam, LicensePage); });
}
