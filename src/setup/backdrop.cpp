#include "setup/backdrop.h"

#include <cmath>
#include <cstdlib>

#include "rtl/callback_guard.h"
#include "rtl/win_handles.h"
#include "setup/config.h"
#include "setup/globals.h"

namespace {

struct Rgb {
    uint8_t r, g, b;
};

Rgb Channels(TColor color) {
    return {static_cast<uint8_t>(color & 0xFF), static_cast<uint8_t>((color >> 8) & 0xFF),
            static_cast<uint8_t>((color >> 16) & 0xFF)};
}

COLORREF ColorOf(Rgb c) { return RGB(c.r, c.g, c.b); }

uint8_t Distance(uint8_t a, uint8_t b) { return a > b ? a - b : b - a; }

// One step of a channel towards its target; a channel at its target stays.
uint8_t StepTowards(uint8_t value, uint8_t target) {
    if (value < target) return MinByte(255, value + 1);
    if (value > target) return MaxByte(0, value - 1);
    return value;
}

void FillSolid(HDC dc, const RECT& rect, Rgb color) {
    UniqueBrush brush(::CreateSolidBrush(ColorOf(color)));
    ::FillRect(dc, &rect, brush.Get());
}

// One brush per pixel row: each colour holds for a band of rows, then steps towards the target.
void PaintGradient(HDC dc) {
    Rgb c = Channels(Config.GradientFrom);
    const Rgb target = Channels(Config.GradientTo);
    const int steps = MaxByte(MaxByte(Distance(c.r, target.r), Distance(c.b, target.b)), Distance(c.g, target.g));
    if (steps == 0) {
        RECT screen{0, 0, ScreenWidth, ScreenHeight};
        FillSolid(dc, screen, c);
        return;
    }
    const int bandHeight = ScreenHeight / steps;
    int band = 0;
    for (int y = 0; y < ScreenHeight; ++y) {
        RECT row{0, y, ScreenWidth, y + 1};
        FillSolid(dc, row, c);
        if (++band < bandHeight) continue;
        band = 0;
        c.r = StepTowards(c.r, target.r);
        c.g = StepTowards(c.g, target.g);
        c.b = StepTowards(c.b, target.b);
    }
}

UniqueFont MakeFont(int height, int weight, bool italic, const char* face) {
    return UniqueFont(::CreateFontA(height, 0, 0, 0, weight, italic, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, face));
}

// Black behind a light title, white behind a dark one.
COLORREF ShadowColor(TColor title) {
    Rgb c = Channels(title);
    long luminance = std::lround(0.30 * c.r + 0.59 * c.g + 0.11 * c.b);
    return luminance >= 128 ? RGB(0, 0, 0) : RGB(255, 255, 255);
}

void PaintTitle(HDC dc) {
    UniqueFont font = MakeFont(44, 900, true, "Times New Roman");
    SelectedObject selected(dc, font.Get());
    const std::string& title = Config.TitleText;
    ::SetTextColor(dc, ShadowColor(Config.TitleColor));
    ::TextOutA(dc, 24, 28, title.c_str(), static_cast<int>(title.size()));
    ::SetTextColor(dc, Config.TitleColor);
    ::TextOutA(dc, 22, 25, title.c_str(), static_cast<int>(title.size()));
}

void PaintLogo(HDC dc) {
    UniqueMemoryDc memory(::CreateCompatibleDC(dc));
    SelectedObject selected(memory.Get(), LogoBitmap);
    ::BitBlt(dc, ScreenWidth / 2 - 102, ScreenHeight - 72, 204, 66, memory.Get(), 0, 0, SRCCOPY);
}

void PaintNotice(HDC dc) {
    UniqueFont font = MakeFont(12, 900, false, "Small");
    SelectedObject selected(dc, font.Get());
    const std::string& notice = Config.NoticeText;
    ::TextOutA(dc, ScreenWidth - 250, ScreenHeight - 20, notice.c_str(), static_cast<int>(notice.size()));
}

}  // namespace

void PaintBackdrop() {
    // The whole window is redrawn every time, not only the update region.
    WindowDc dc(BackdropWnd);
    PaintGradient(dc.Get());
    ::SetBkMode(dc.Get(), TRANSPARENT);
    PaintTitle(dc.Get());
    PaintLogo(dc.Get());
    PaintNotice(dc.Get());  // still in the title colour
}

LRESULT CALLBACK BackdropWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardWindowProc([&]() -> LRESULT {
        switch (message) {
        case WM_DESTROY:
        case WM_CLOSE:
            ::PostMessageA(window, WM_QUIT, 0, 0);
            break;
        case WM_PAINT:
            PaintBackdrop();
            break;
        }
        return ::DefWindowProcA(window, message, wParam, lParam);
    });
}
