// Reading the text of a page's edit box.
#pragma once

#include <windows.h>

#include <string>

// The text of control Id, at most 254 characters (a cleared 256-byte buffer, WM_GETTEXT limit 255).
std::string ReadItemText(HWND dialog, int id);
