#include "glyph_view.h"

#include <algorithm>
#include <cstdio>

#include "rtl/win_handles.h"

namespace {

constexpr int SampleSizes[] = {12, 18, 24, 36};
constexpr int Margin = 8;
constexpr int GlyphRows = (LastGlyph - FirstGlyph + 1) / GlyphColumns;

UniqueFont MakeFont(const std::string& name, int pixelHeight) {
    // Negative height: the character height without internal leading, as point sizes mean it.
    return UniqueFont(::CreateFontA(-pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    ANTIALIASED_QUALITY, DEFAULT_PITCH, name.c_str()));
}

// The table's cell size and top-left corner inside Area.
struct TTableLayout {
    int Cell;
    int Left;
    int Top;
};

TTableLayout TableLayout(const RECT& area, int tableTop) {
    const int top = area.top + tableTop;
    const int width = area.right - area.left - 2 * Margin;
    const int height = area.bottom - top - Margin;
    const int cell = std::max(8, std::min(width / GlyphColumns, height / GlyphRows));
    return {cell, area.left + Margin, top};
}

// Returns the height the lines took.
int PaintSamples(HDC dc, const RECT& area, const TGlyphView& view) {
    int y = area.top + Margin;
    for (int size : SampleSizes) {
        UniqueFont font = MakeFont(view.FontName, size);
        SelectedObject selected(dc, font.Get());
        char label[16];
        std::snprintf(label, sizeof label, "%d", size);
        ::SetTextColor(dc, RGB(128, 128, 128));
        ::TextOutA(dc, area.left + Margin, y, label, static_cast<int>(std::char_traits<char>::length(label)));
        ::SetTextColor(dc, RGB(0, 0, 0));
        ::TextOutA(dc, area.left + Margin + 40, y, view.Sample.c_str(), static_cast<int>(view.Sample.size()));
        // The line height is the font's own: math and symbol fonts reach far above and below.
        TEXTMETRICA metrics{};
        ::GetTextMetricsA(dc, &metrics);
        y += (metrics.tmHeight > 0 ? metrics.tmHeight : size) + 2;
    }
    return y - area.top;
}

void PaintTable(HDC dc, const RECT& area, const TGlyphView& view) {
    const TTableLayout layout = TableLayout(area, view.TableTop);
    UniqueFont font = MakeFont(view.FontName, layout.Cell * 3 / 5);
    UniqueBrush highlight(::CreateSolidBrush(RGB(255, 230, 150)));
    UniquePen grid(::CreatePen(PS_SOLID, 1, RGB(190, 190, 200)));
    SelectedObject selectedFont(dc, font.Get());
    SelectedObject selectedPen(dc, grid.Get());
    for (int code = FirstGlyph; code <= LastGlyph; ++code) {
        const int index = code - FirstGlyph;
        RECT cell;
        cell.left = layout.Left + (index % GlyphColumns) * layout.Cell;
        cell.top = layout.Top + (index / GlyphColumns) * layout.Cell;
        cell.right = cell.left + layout.Cell + 1;
        cell.bottom = cell.top + layout.Cell + 1;
        if (code == view.Selected) ::FillRect(dc, &cell, highlight.Get());
        ::MoveToEx(dc, cell.left, cell.top, nullptr);
        ::LineTo(dc, cell.right - 1, cell.top);
        ::LineTo(dc, cell.right - 1, cell.bottom - 1);
        ::LineTo(dc, cell.left, cell.bottom - 1);
        ::LineTo(dc, cell.left, cell.top);
        const char glyph = static_cast<char>(code);
        ::DrawTextA(dc, &glyph, 1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

}  // namespace

void PaintGlyphView(HDC dc, const RECT& area, TGlyphView& view) {
    ::FillRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetBkMode(dc, TRANSPARENT);
    view.TableTop = PaintSamples(dc, area, view) + Margin;
    PaintTable(dc, area, view);
}

int GlyphAt(const RECT& area, const TGlyphView& view, POINT point) {
    const TTableLayout layout = TableLayout(area, view.TableTop);
    if (point.x < layout.Left || point.y < layout.Top) return -1;
    const int column = (point.x - layout.Left) / layout.Cell;
    const int row = (point.y - layout.Top) / layout.Cell;
    if (column >= GlyphColumns || row >= GlyphRows) return -1;
    return FirstGlyph + row * GlyphColumns + column;
}
