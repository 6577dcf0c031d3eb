// A small ANSI Win32 program shaped like the setup's pages, for testing the GUI harness:
// a full-screen navy backdrop window owning one modal dialog "Harness Test" with an
// upper-case edit box (id 104), a cp1252 text (id 105), OK (1, default) and Cancel (2).
//   OK     -> MessageBoxA(dialog, "Accept <TEXT>?", "Harness Answer", MB_YESNO):
//             Yes ends with exit code 10, No leaves the dialog open.
//   Cancel (also Escape, Alt+F4, close box)
//          -> MessageBoxA(NULL, "Exit the test?", "Exit Testapp", MB_YESNO):
//             Yes ends with exit code 20, No leaves the dialog open.
//   id 106 (post WM_COMMAND) ends at once with exit code 30.
// With the argument "exit=N" it exits at once with code N, showing nothing.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "dialog_template.h"

namespace {

constexpr COLORREF kBackdropColour = RGB(0, 0, 128);
constexpr int kEditId = 104;
constexpr int kAnsiTextId = 105;
constexpr int kQuitId = 106;

LRESULT CALLBACK BackdropProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HBRUSH brush = CreateSolidBrush(kBackdropColour);
    RECT rect;
    GetClientRect(hwnd, &rect);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreateBackdrop(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = BackdropProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = "HarnessBackdrop";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowA("HarnessBackdrop", "Harness Backdrop", WS_POPUP | WS_VISIBLE, 0, 0,
                            GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance,
                            nullptr);
  UpdateWindow(hwnd);
  return hwnd;
}

void CenterOnScreen(HWND dialog) {
  RECT r;
  GetWindowRect(dialog, &r);
  int x = GetSystemMetrics(SM_CXSCREEN) / 2 - (r.right - r.left) / 2;
  int y = GetSystemMetrics(SM_CYSCREEN) / 2 - (r.bottom - r.top) / 2;
  SetWindowPos(dialog, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      CenterOnScreen(dialog);
      SetDlgItemTextA(dialog, kAnsiTextId, "Caf\xe9 \x80 5");  // cp1252: e-acute, euro sign
      SetFocus(GetDlgItem(dialog, kEditId));
      return FALSE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK: {
          char text[256] = "";
          GetDlgItemTextA(dialog, kEditId, text, sizeof text);
          std::string question = std::string("Accept ") + text + "?";
          if (MessageBoxA(dialog, question.c_str(), "Harness Answer", MB_YESNO) == IDYES) EndDialog(dialog, 10);
          return TRUE;
        }
        case IDCANCEL:
          // Ownerless, like the setup's Cancel question: the dialog stays enabled behind it.
          if (MessageBoxA(nullptr, "Exit the test?", "Exit Testapp", MB_YESNO) == IDYES) EndDialog(dialog, 20);
          return TRUE;
        case kQuitId:
          EndDialog(dialog, 30);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

int RunDialog(HINSTANCE instance, HWND owner) {
  DialogTemplate t(0x90C800C0, 282, 111, L"Harness Test", 8, L"MS Sans Serif");
  t.AddControl(0x80, 0x50010001, 84, 82, 53, 14, IDOK, L"OK");
  t.AddControl(0x80, 0x50010000, 144, 82, 53, 14, IDCANCEL, L"Cancel");
  t.AddControl(0x81, 0x50810008, 20, 53, 232, 13, kEditId, L"c:\\start");
  t.AddControl(0x82, 0x50020000, 23, 11, 236, 20, 0xFFFF, L"Type a name and press ENTER.");
  t.AddControl(0x82, 0x50020000, 23, 32, 236, 10, kAnsiTextId, L"");
  return static_cast<int>(DialogBoxIndirectParamA(instance, t.Get(), owner, DialogProc, 0));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  if (std::strncmp(commandLine, "exit=", 5) == 0) return std::atoi(commandLine + 5);
  HWND backdrop = CreateBackdrop(instance);
  int result = RunDialog(instance, backdrop);
  DestroyWindow(backdrop);
  return result;
}
