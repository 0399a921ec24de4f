#pragma once
// The page of a rebound object: a bar chart with one bar per position (reading or summary
// member), an optional hatched band for the limits and an optional mean line, then the
// object's statistics section and table. The series, China and summary painters derive from
// it and supply the sections; layout, band, bars, mean line, the statistics row painter and
// the table frame are shared.
#include "plot/TBasicPlot.h"

namespace vordalis {

class TTorvObj;

class TTorvPlot : public TBasicPlot {
public:
    static constexpr Rgb kBandBackground{208, 208, 208};
    static constexpr Rgb kGreyed{180, 180, 180};
    static constexpr Rgb kRed{255, 0, 0};
    static constexpr int kRowHeight = 40;

    struct BarColours {
        Rgb normal, outside;
    };
    // An arrow in the value column of a parameter row, as offsets from the block's left edge
    // and the row's baseline with y counted upward: shaft from, shaft to, the two head ends.
    struct Arrow {
        int x0, y0, x1, y1, hx0, hy0, hx1, hy1;
    };
    // Fill colours of bars inside and outside the limits for a colour mode.
    static BarColours ColoursFor(int colourMode);
    // True in the colour modes that show values outside the limits in red.
    static bool RedForOutside(int colourMode);
    // One-pixel checkerboard of the limit band.
    static Pattern16 BandPattern();
    // Draws an arrow with a 3-unit pen for the row whose block starts at x and whose
    // baseline is y (page units, y down).
    static void DrawArrow(Canvas& dc, const Arrow& arrow, int x, int y);

    bool DrawScreen(Canvas* dc, TBasicObj& obj, int32_t opts) override;
    bool DrawPrintPage(Canvas* dc, TBasicObj& obj, int32_t opts, int page) override;
    bool DrawCopy(Canvas* dc, TBasicObj& obj, int32_t opts) override;

    // --- layout results, valid after a pass ---
    Rect chartFrame;     // the chart's plotting area (page units, y down)
    Rect section;        // where the statistics section and the table start (left, top, right)
    bool stacked = true; // sections below the chart over the full width (else beside it)
    Rect bandRect;       // the limit band; empty when none is drawn
    BarColours colours{};

protected:
    // The object's statistics section starting at (left, top); registers hit region 2 (the
    // settings block) and returns the y below the section.
    virtual int DrawStatistics(TTorvObj& obj, int left, int top) = 0;
    // The object's table starting at y; width is the page width the cells are sized from.
    // Returns the y below the table. By default the readings: one cell per position, as
    // wide as 24 across the page and 24 to a row (11 beside the chart), for up to 256.
    virtual int DrawTable(TTorvObj& obj, int left, int top, int width);

    // --- pieces for the sections ---
    // One row of a parameter or statistics block on the baseline y: the label left at x, the
    // symbol with "  =" ending at x + 540 (none without a symbol), the value ending at x + 660,
    // the unit from x + 690.
    void DrawRow(int x, int y, const std::u16string& label, const std::u16string& symbol,
                 const std::u16string& value, const std::u16string& unit);
    // A block heading in the bold font, 45 units below top; returns the baseline of the first row.
    int DrawBlockHeading(int x, int top, const std::u16string& text);
    // The frame of a table of `count` cells, `columns` per row and `cellWidth` wide, under a
    // bold heading: lines along its top and bottom edges and its hit region. Calls DrawCell
    // for every cell that is painted in this pass; returns the y below the table, or top
    // when the table does not fit.
    int DrawCellTable(TTorvObj& obj, int left, int top, int columns, int cellWidth, int count,
                      const std::u16string& heading);
    // One cell of DrawCellTable: `cell` is the cell's rectangle (one row high).
    virtual void DrawCell(TTorvObj& obj, int index, const Rect& cell) = 0;
    // Whether a table value is shown red: outside the shown limits, in a colour mode with red.
    bool ShownRed(const TTorvObj& obj, double v) const;
    // Registers an empty hit region so that the region numbers stay fixed.
    void AddEmptyRegion() { AddHitRegion({}, 0, 0, 0, 0, 1); }
    void Grow(const Rect& r) { content = content.United(r); }

private:
    bool Paint(Canvas* dc, TTorvObj& obj, int32_t opts, bool chartPainted);
    bool Layout(TTorvObj& obj);
    void DrawBand(TTorvObj& obj);
    void DrawBars(TTorvObj& obj);
    void DrawMeanLine(TTorvObj& obj);
    double LargestValue(TTorvObj& obj) const;
};

} // namespace vordalis
