// The percentage bar of a stage dialog: a red part for what is done, a white part for the rest
// and the percentage over it, painted straight into the dialog over its frame control (id 101).
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "rtl/win_handles.h"

struct TProgressMeter {
    WindowDc Dc;  // the stage dialog's client area, held from set-up to tear-down
    int32_t BarLeft = 0, BarTop = 0, BarRight = 0, BarBottom = 0;
    int32_t BarSpan = 0;  // pixels that stand for 100 %
    int32_t TextX = 0, TextY = 0;
    UniquePen DonePen, RestPen;
    UniqueBrush DoneBrush, RestBrush;
    UniqueFont TextFont;
    // Put the DC's own objects back when they go; declared last so they go first.
    std::optional<SelectedObject> SavedPen, SavedBrush, SavedFont;
    int32_t Percent = 0;
};

extern TProgressMeter ProgressMeter;
// The percentage last drawn; kept across the two stages.
extern int32_t LastPercent;

// Sets the meter up on the stage dialog, centres the dialog and sets InstallRunning to 1.
void StartProgressMeter(HWND dialog);
// Sets Percent for Done of Total bytes and returns the x where the done part ends.
int32_t MeterPosition(int32_t done, int32_t total);
// Paints the bar with the done part ending at Boundary, and the percentage.
void DrawProgressMeter(int32_t boundary);
// Gives the DC its objects back and releases everything the set-up made. Safe to call twice.
void StopProgressMeter(HWND dialog) noexcept;

// Stops the meter when the stage's work leaves its scope, however it leaves.
class MeterScope {
public:
    explicit MeterScope(HWND dialog) noexcept : dialog_(dialog) {}
    MeterScope(const MeterScope&) = delete;
    MeterScope& operator=(const MeterScope&) = delete;
    ~MeterScope() { StopProgressMeter(dialog_); }

private:
    HWND dialog_;
};
