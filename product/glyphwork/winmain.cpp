// Glyphwork: shows the fonts on this computer and the glyphs in them.
#include <windows.h>

#include "main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    if (!RegisterMainWindowClass(instance)) return 1;
    HWND window = CreateMainWindow(instance);
    if (!window) return 1;
    ::ShowWindow(window, show);
    ::UpdateWindow(window);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Tab and the arrow keys between the font list and the sample box.
        if (!::IsDialogMessageA(window, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}
