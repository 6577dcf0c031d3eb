// The Glyphwork window: font list on the left, sample line box on top, glyph view, status line.
#pragma once

#include <windows.h>

constexpr const char* MainWindowClass = "GlyphworkMain";
constexpr const char* MainWindowTitle = "Glyphwork";

bool RegisterMainWindowClass(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);
