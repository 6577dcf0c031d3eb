// The full-screen window behind every page and stage.
#pragma once

#include <windows.h>

#include <cstdint>

LRESULT CALLBACK BackdropWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintBackdrop();

inline uint8_t MinByte(uint8_t a, uint8_t b) { return a < b ? a : b; }
inline uint8_t MaxByte(uint8_t a, uint8_t b) { return a > b ? a : b; }
