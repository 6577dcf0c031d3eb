// The right side of the window: the sample line in four sizes, then the glyph table.
#pragma once

#include <windows.h>

#include <string>

constexpr int FirstGlyph = 0x20;
constexpr int LastGlyph = 0xFF;
constexpr int GlyphColumns = 16;

struct TGlyphView {
    std::string FontName;
    std::string Sample;
    int Selected = -1;  // character code of the highlighted cell, -1 for none
    int TableTop = 0;   // where the last paint put the table: line heights depend on the font
};

// Paints the view into Area of Dc and notes where the table went.
void PaintGlyphView(HDC dc, const RECT& area, TGlyphView& view);
// The character code of the cell at Point, or -1 when Point is on no cell.
int GlyphAt(const RECT& area, const TGlyphView& view, POINT point);
