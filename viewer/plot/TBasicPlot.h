#pragma once
// The chart base every painter builds on: page set-up for the three targets, the axis model
// with its table of nice steps, ticks, labels, grid, fonts, the page header and the
// hit regions the view uses for mouse hit tests.
//
// For painter authors (see Canvas.h for coordinates: page units, y grows DOWN):
//  1. Implement DrawScreen / DrawPrintPage / DrawCopy as: SetupScreen|SetupPrint|SetupCopy(dc)
//     (print set-up always gets the printer canvas), then your own set-up which calls
//     BeginDraw(dc or null, opts) -- for printing pass the canvas only for page > 0, so page 0
//     is a layout pass that counts pages -- then DrawHeader, DrawAxes, your chart, DrawGrid,
//     your sections, EndDraw. Everything must also run with device == nullptr (layout pass):
//     draw only through `if (device)` and keep `content` growing with what you lay out.
//  2. Axes: SetAxis(axisX, ...) / SetAxis(axisY, ...) once per object (when its ranges
//     change), set axisX.title / axisY.title, then PlaceChart(chartRect, 0, 0) in every pass.
//     Axis Y's pixel start is the chart's top edge. Pass yUp = true to DrawAxes, DrawGrid,
//     YToPixel and YFromPixel for charts whose values grow upward from the bottom edge, false
//     for charts whose values grow downward from the top edge (cover depth).
//  3. Printing: currentPage is the requested page (0 = layout). Use PlaceOnPage for a block
//     that must not be split across pages and DrawsPage(p) to ask whether to paint it now.
//     pageCount is 1 after BeginDraw without device and grows with PlaceOnPage.
//  4. Hit regions: region 0 is the header (BeginDraw adds it); add yours in a fixed order with
//     AddHitRegion on every pass -- it records only on the screen with a device.
//  5. Override HeaderExtras for heading parts only your object knows (rebound hammers).
#include "model/Strings.h"
#include "model/TBasicObj.h"
#include "plot/Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vordalis {

class TBasicPlot {
public:
    static constexpr int kMaxHitRegions = 50;
    static constexpr int kHeaderHeight = 160;
    // The screen page; its extent adds a margin of 30 on the right.
    static constexpr Rect kScreenPage{30, 30, 1670, 2380};

    struct Axis {
        int pixelStart = 0, pixelEnd = 0; // logical coordinates of min and max, offset included
        int offset = 0;
        double min = 0, max = 0;
        double step = 0;                             // major tick step, 0 = no ticks
        int minorTicks = 0;                          // minor ticks between two major ticks
        double pixelsPerUnit = 0, unitsPerPixel = 0; // both 0 while the axis has no scale
        std::u16string title;                        // tick labels only when it holds a unit in brackets
        // A numbered string in front of title, looked up when drawn: a change of language
        // reaches the axis of an object that is already open.
        Str titleString = Str::None;
        std::string labelFormat = "%0.0lf";
        bool labelsTimes1000 = false;

        bool HasScale() const { return pixelsPerUnit != 0 && unitsPerPixel != 0; }
        std::u16string Title() const;
        bool LabelsShown() const;
    };

    struct HitRegion {
        Rect rect; // trimmed to whole cells
        int firstColumn = 0, firstRow = 0, lastColumn = 0, lastRow = 0;
        int cellWidth = 1, cellHeight = 1;
        int stride = 1;
    };

    // What only the object's own painter knows about the page heading.
    struct HeaderExtras {
        std::u16string family;     // replaces the built-in instrument family text when set
        std::u16string rightText;  // replaces the right-hand text when set
        std::u16string hammerText; // "ND " / "LD "
        std::u16string hammerNumber;
    };

    TBasicPlot();
    virtual ~TBasicPlot();
    TBasicPlot(const TBasicPlot&) = delete;
    TBasicPlot& operator=(const TBasicPlot&) = delete;

    // --- slots ---
    virtual bool DrawScreen(Canvas* dc, TBasicObj& obj, int32_t opts) = 0;
    virtual bool DrawPrintPage(Canvas* dc, TBasicObj& obj, int32_t opts, int page) = 0;
    virtual bool DrawCopy(Canvas* dc, TBasicObj& obj, int32_t opts) = 0;
    // The X value at a page x, or -1 outside the accepted range or without a scale.
    virtual double XFromPixel(int x) const;
    virtual double YFromPixel(int y, bool yUp) const;
    // (X pixel start, Y pixel start, X pixel end, Y pixel end); all zero without a scale.
    virtual Rect GetChartRect() const;
    virtual bool BeginDraw(Canvas* dc, int32_t opts);
    virtual void EndDraw();

    // --- helpers for the object's size and page slots ---
    // Screen page size for scrolling: a layout pass, then content right + 30, bottom + 20.
    Extent ScreenExtent(TBasicObj& obj, int32_t opts);
    // Clipboard picture size: content right + 15, bottom + 20.
    Extent CopySize(TBasicObj& obj, int32_t opts);
    // Number of printed pages: a layout pass on the printer (page 0); 1 when it refuses.
    int PageCount(Canvas& printer, TBasicObj& obj, int32_t opts);
    // Index of the first region holding the point (cell: the cell number), or -1.
    int FindHitRegion(int x, int y, int* cell) const;

    // --- page set-up ---
    bool SetupScreen(Canvas* dc);
    bool SetupCopy(Canvas* dc);
    bool SetupPrint(Canvas* dc);

    // --- axes ---
    bool SetAxis(Axis& axis, double min, double max, double step, int minorTicks, int decimals,
                 bool times1000);
    void PlaceAxis(Axis& axis, int a, int b, int offset);
    void PlaceChart(const Rect& r, int xOffset, int yOffset);
    // The step and minor ticks of the table of nice steps; false (0, 0) for spans below
    // 0.04 or from 100000 up.
    static bool NiceStep(double a, double b, double* step, int* minorTicks);
    // Page coordinate of a value (nearest unit), for a placed axis.
    int XToPixel(double v) const;
    int YToPixel(double v, bool yUp) const;
    bool HasScales() const { return axisX.HasScale() && axisY.HasScale(); }

    // --- drawing blocks ---
    void DrawHeader(const TBasicObj& obj);
    bool DrawAxes(bool yUp);
    bool DrawGrid(bool yUp);
    bool AddHitRegion(const Rect& r, int firstColumn, int firstRow, int lastColumn, int lastRow, int stride);

    // --- printed pages ---
    // Lays out a block of the given height starting at y on the current layout page. When it
    // does not fit above the page's bottom it moves to the next page, just below the header
    // (y is updated). Returns the page it stands on (1-based; 1 on screen and copy), or 0 when
    // it does not fit even on an empty page (then it is left out).
    int PlaceOnPage(int& y, int height);
    // True when a block on page p is painted in this pass.
    bool DrawsPage(int p) const { return device && p > 0 && (!isPrint || p == currentPage); }
    // The first y below the header on a page.
    int TopBelowHeader() const { return header.IsEmpty() ? page.top : header.bottom; }

    // --- small drawing helpers ---
    void SelectNormalFont() const;
    void SelectHeadingFont() const;
    static Pen BlackPen() { return Pen{PenStyle::Solid, 0, kBlack}; }

    // --- state (the painters and their objects share it) ---
    Canvas* device = nullptr;
    int32_t opts = 0;
    Rect page;
    Rect content;
    Rect header;
    bool isCopy = false;
    bool isPrint = false;
    int currentPage = 0;
    int pageCount = 1;
    int layoutPage = 1;
    Axis axisX, axisY;
    Font normalFont{32, 0, 400};
    Font verticalFont{32, 900, 400};
    Font headingFont{40, 0, 600};
    std::vector<HitRegion> hitRegions;
    bool started = false;

protected:
    virtual HeaderExtras GetHeaderExtras(const TBasicObj& obj) const;

private:
    void TickValues(const Axis& axis, std::vector<double>& majors, std::vector<double>& minors) const;

    Pen savedPen_;
    Brush savedBrush_;
    Font savedFont_;
};

} // namespace vordalis
