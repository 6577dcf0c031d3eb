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

INT_PTR HandlePageMessage(HWND dialog, UINT message, WPARAM wParam, const TPageHandlers& page) {
    switch (message) {
    case WM_INITDIALOG:
        page.Start(dialog);
        return 0;
    case WM_DESTROY:
        if (page.Destroyed) page.Destroyed();
        // Gives 0 to a page destroyed without EndDialog; an ended page keeps its result.
        ::EndDialog(dialog, 0);
        return 0;
    }
    switch (CommandId(message, wParam)) {
    case IDOK:
        page.Accept(dialog);
        break;
    case IDCANCEL:
        if (!page.AskBeforeCancel || ConfirmCancel()) ::EndDialog(dialog, 0);
        break;
    }
    return 0;
}
