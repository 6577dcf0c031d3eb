#include "pages/page_conventions.h"

#include <string>

#include "setup/config.h"
#include "setup/globals.h"

void CenterOnScreen(HWND dialog) {
    RECT r{};
    ::GetWindowRect(dialog, &r);
    int x = ScreenWidth / 2 - (r.right - r.left) / 2;
    int y = ScreenHeight / 2 - (r.bottom - r.top) / 2;
    // Without SWP_NOZORDER / SWP_NOACTIVATE the dialog is also raised and activated.
    ::SetWindowPos(dialog, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
}

bool ConfirmCancel() {
    std::string caption = "Exit " + Config.ProductName;
    return ::MessageBoxA(nullptr, Config.CancelPrompt.c_str(), caption.c_str(), MB_YESNO) == IDYES;
}
