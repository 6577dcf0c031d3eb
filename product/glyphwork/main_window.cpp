#include "main_window.h"

#include <cstdio>
#include <string>

#include "font_families.h"
#include "glyph_view.h"
#include "resource_ids.h"
#include "rtl/win_handles.h"

namespace {

constexpr int ListWidth = 200;
constexpr int SampleRowHeight = 30;
constexpr int StatusHeight = 22;
constexpr const char* DefaultSample = "The quick brown fox jumps over the lazy dog 0123456789";
// The first of these that is installed is shown first: serif faces show the glyphs best.
constexpr const char* PreferredFonts[] = {"Times New Roman", "DejaVu Serif", "Liberation Serif", "Tahoma"};

// One window, one view: the state lives as long as the program.
TGlyphView View;
HWND FontList;
HWND SampleBox;
HWND StatusLine;

RECT ViewArea(HWND window) {
    RECT client;
    ::GetClientRect(window, &client);
    return {ListWidth, SampleRowHeight, client.right, client.bottom - StatusHeight};
}

void ShowStatus() {
    char text[160];
    if (View.Selected < 0) {
        std::snprintf(text, sizeof text, "  %s - click a glyph to see its code", View.FontName.c_str());
    } else {
        std::snprintf(text, sizeof text, "  %s - glyph %d (0x%02X) '%c'", View.FontName.c_str(), View.Selected,
                      View.Selected, static_cast<char>(View.Selected));
    }
    ::SetWindowTextA(StatusLine, text);
}

void CreateChildren(HWND window, HINSTANCE instance) {
    auto font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    FontList = ::CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0, 0,
                                 0, window, reinterpret_cast<HMENU>(IDC_FONTLIST), instance, nullptr);
    HWND label = ::CreateWindowExA(0, "STATIC", "Sample:", WS_CHILD | WS_VISIBLE, ListWidth + 8, 7, 50, 18, window,
                                   nullptr, instance, nullptr);
    SampleBox = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", DefaultSample,
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0, window,
                                  reinterpret_cast<HMENU>(IDC_SAMPLE), instance, nullptr);
    StatusLine = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_LEFTNOWORDWRAP, 0, 0, 0,
                                   0, window, reinterpret_cast<HMENU>(IDC_STATUS), instance, nullptr);
    for (HWND child : {FontList, label, SampleBox, StatusLine})
        ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    for (const std::string& name : InstalledFontFamilies())
        ::SendMessageA(FontList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    LRESULT first = LB_ERR;
    for (const char* preferred : PreferredFonts) {
        first = ::SendMessageA(FontList, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(preferred));
        if (first != LB_ERR) break;
    }
    if (first == LB_ERR) first = 0;
    ::SendMessageA(FontList, LB_SETCURSEL, static_cast<WPARAM>(first), 0);
    char name[LF_FACESIZE] = "";
    if (::SendMessageA(FontList, LB_GETTEXTLEN, static_cast<WPARAM>(first), 0) < LF_FACESIZE)
        ::SendMessageA(FontList, LB_GETTEXT, static_cast<WPARAM>(first), reinterpret_cast<LPARAM>(name));
    View.FontName = name;
    View.Sample = DefaultSample;
    ShowStatus();
}

void Layout(HWND window) {
    RECT client;
    ::GetClientRect(window, &client);
    ::MoveWindow(FontList, 0, 0, ListWidth, client.bottom - StatusHeight, TRUE);
    ::MoveWindow(SampleBox, ListWidth + 60, 4, client.right - ListWidth - 68, SampleRowHeight - 8, TRUE);
    ::MoveWindow(StatusLine, 0, client.bottom - StatusHeight, client.right, StatusHeight, TRUE);
}

// Draws into a bitmap first so that resizing and typing do not flicker.
void Paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(window, &ps);
    const RECT area = ViewArea(window);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width > 0 && height > 0) {
        UniqueMemoryDc memory(::CreateCompatibleDC(dc));
        UniqueBitmap bitmap(::CreateCompatibleBitmap(dc, width, height));
        {
            SelectedObject selected(memory.Get(), bitmap.Get());
            const RECT local{0, 0, width, height};
            PaintGlyphView(memory.Get(), local, View);
            ::BitBlt(dc, area.left, area.top, width, height, memory.Get(), 0, 0, SRCCOPY);
        }
    }
    ::EndPaint(window, &ps);
}

void OnCommand(HWND window, int id, int code) {
    if (id == IDC_FONTLIST && code == LBN_SELCHANGE) {
        const LRESULT index = ::SendMessageA(FontList, LB_GETCURSEL, 0, 0);
        char name[LF_FACESIZE] = "";
        if (index != LB_ERR && ::SendMessageA(FontList, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) < LF_FACESIZE)
            ::SendMessageA(FontList, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(name));
        View.FontName = name;
    } else if (id == IDC_SAMPLE && code == EN_CHANGE) {
        char text[256] = "";
        ::GetWindowTextA(SampleBox, text, sizeof text);
        View.Sample = text;
    } else if (id == IDM_EXIT) {
        ::DestroyWindow(window);
        return;
    } else if (id == IDM_ABOUT) {
        ::MessageBoxA(window,
                      "Glyphwork 1.0\r\n\r\nShows the fonts on this computer and every glyph in them.\r\n"
                      "Help: GLYPHWRK.HLP in the Help folder of Windows.",
                      "About Glyphwork", MB_OK | MB_ICONINFORMATION);
        return;
    } else {
        return;
    }
    ShowStatus();
    RECT area = ViewArea(window);
    ::InvalidateRect(window, &area, FALSE);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE:
        CreateChildren(window, reinterpret_cast<CREATESTRUCTA*>(lparam)->hInstance);
        return 0;
    case WM_SIZE:
        Layout(window);
        ::InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_ERASEBKGND: {
        // Only the strip around the sample box: Paint covers the view, so erasing it would flicker.
        HDC dc = reinterpret_cast<HDC>(wparam);
        RECT client;
        ::GetClientRect(window, &client);
        const RECT area = ViewArea(window);
        ::ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
        ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_LBUTTONDOWN: {
        const RECT area = ViewArea(window);
        POINT point{static_cast<short>(LOWORD(lparam)) - area.left, static_cast<short>(HIWORD(lparam)) - area.top};
        const RECT local{0, 0, area.right - area.left, area.bottom - area.top};
        View.Selected = GlyphAt(local, View, point);
        ShowStatus();
        ::InvalidateRect(window, &area, FALSE);
        return 0;
    }
    case WM_COMMAND:
        OnCommand(window, LOWORD(wparam), HIWORD(wparam));
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcA(window, message, wparam, lparam);
    }
}

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_MAINICON));
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszMenuName = MAKEINTRESOURCEA(IDM_MAINMENU);
    wc.lpszClassName = MainWindowClass;
    return ::RegisterClassA(&wc) != 0;
}

HWND CreateMainWindow(HINSTANCE instance) {
    return ::CreateWindowExA(0, MainWindowClass, MainWindowTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                             CW_USEDEFAULT, CW_USEDEFAULT, 800, 600, nullptr, nullptr, instance, nullptr);
}
