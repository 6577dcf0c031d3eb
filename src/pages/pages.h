// Dialog procedures of the three wizard pages.
#pragma once

#include <windows.h>

INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK LicenseDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK GroupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The licence page's agreement box while the page is open; null otherwise.
extern HWND AgreementBox;
