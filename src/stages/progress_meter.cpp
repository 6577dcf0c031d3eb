#include "stages/progress_meter.h"

#include <cmath>
#include <string>

#include "lzh/install_running.h"
#include "pages/page_conventions.h"

TProgressMeter ProgressMeter;
int32_t LastPercent = 0;

namespace {

constexpr int FrameControl = 101;
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);

// Round half to even, as the default floating-point rounding mode does.
int32_t Round(double value) { return static_cast<int32_t>(std::nearbyint(value)); }

}  // namespace

void StartProgressMeter(HWND dialog) {
    TProgressMeter& m = ProgressMeter;
    m.Dc = WindowDc(dialog);
    HDC dc = m.Dc.Get();

    RECT frame{}, window{};
    ::GetWindowRect(::GetDlgItem(dialog, FrameControl), &frame);
    ::GetWindowRect(dialog, &window);
    const int border_x = ::GetSystemMetrics(SM_CXBORDER);
    const int border_y = ::GetSystemMetrics(SM_CYBORDER);
    const int caption = ::GetSystemMetrics(SM_CYCAPTION);
    m.BarLeft = frame.left - window.left - border_x;
    m.BarTop = frame.top - window.top - caption - border_y;
    m.BarRight = frame.right - window.left - border_x - 4;
    m.BarBottom = frame.bottom - window.top - caption - border_y - 4;

    m.TextX = (m.BarRight - m.BarLeft) / 2 + m.BarLeft - 10;
    m.TextY = (m.BarBottom - m.BarTop) / 2 + m.BarTop - 8;
    m.BarSpan = m.BarRight - m.BarLeft + 1;

    m.DonePen.Reset(::CreatePen(PS_SOLID, 1, Red));
    m.RestPen.Reset(::CreatePen(PS_SOLID, 1, White));
    m.SavedPen.emplace(dc, m.DonePen.Get());
    m.DoneBrush.Reset(::CreateSolidBrush(Red));
    m.RestBrush.Reset(::CreateSolidBrush(White));
    m.SavedBrush.emplace(dc, m.DoneBrush.Get());

    CenterOnScreen(dialog);
    InstallRunning = 1;

    ::SetBkMode(dc, TRANSPARENT);
    m.TextFont.Reset(::CreateFontA(16, 0, 0, 0, 0, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, "Arial"));
    m.SavedFont.emplace(dc, m.TextFont.Get());
    ::SetTextColor(dc, RGB(0, 0, 0));
}

int32_t MeterPosition(int32_t done, int32_t total) {
    const double f = static_cast<double>(done) / static_cast<double>(total);
    ProgressMeter.Percent = Round(f * 100.0);
    return ProgressMeter.BarLeft + Round(f * ProgressMeter.BarSpan);
}

void DrawProgressMeter(int32_t boundary) {
    TProgressMeter& m = ProgressMeter;
    HDC dc = m.Dc.Get();
    ::SelectObject(dc, m.DoneBrush.Get());
    ::SelectObject(dc, m.DonePen.Get());
    ::Rectangle(dc, m.BarLeft, m.BarTop, boundary, m.BarBottom);
    LastPercent = m.Percent;
    ::SelectObject(dc, m.RestBrush.Get());
    ::SelectObject(dc, m.RestPen.Get());
    ::Rectangle(dc, boundary, m.BarTop, m.BarRight, m.BarBottom);
    const std::string text = std::to_string(m.Percent) + "%";
    ::TextOutA(dc, m.TextX, m.TextY, text.c_str(), static_cast<int>(text.size()));
}

void StopProgressMeter(HWND) noexcept {
    TProgressMeter& m = ProgressMeter;
    // The DC gets its own objects back before ours are deleted: an object selected into a DC
    // cannot be deleted.
    m.SavedFont.reset();
    m.TextFont.Reset();
    m.SavedPen.reset();
    m.SavedBrush.reset();
    m.DonePen.Reset();
    m.RestPen.Reset();
    m.DoneBrush.Reset();
    m.RestBrush.Reset();
    m.Dc.Release();
}
