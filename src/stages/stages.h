// Dialog procedures of the two installation stages.
#pragma once

#include <windows.h>

INT_PTR CALLBACK IProgressDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ProgressDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
