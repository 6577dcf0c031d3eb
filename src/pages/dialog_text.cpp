#include "pages/dialog_text.h"

std::string ReadItemText(HWND dialog, int id) {
    char text[256] = {};
    ::SendDlgItemMessageA(dialog, id, WM_GETTEXT, 255, reinterpret_cast<LPARAM>(text));
    return text;
}
