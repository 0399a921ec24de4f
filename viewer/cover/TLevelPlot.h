#pragma once
// The chart base of the level charts: eleven brushes chosen by the colour mode and by the
// cover limit. Brush 0 is white, 1-9 the colour scale, 10 the colour of the covers below the
// limit inside the limit's own class.
#include "plot/TBasicPlot.h"

#include <array>
#include <cstdint>

namespace vordalis {

class TLevelObj;

class TLevelPlot : public TBasicPlot {
public:
    static constexpr int kBrushCount = 11;
    static constexpr int kBelowLimitBrush = 10;
    using Colours = std::array<Rgb, kBrushCount>;

    // Brush of class a (of n classes) for the cover v; brush 10 for covers below the limit in
    // the limit's own class.
    int BrushIndex(int a, int n, int32_t v) const;
    // The eleven colours of a colour mode (options bits 8-11) for a given limit brush.
    static Colours ColourTable(int mode, int limitBrush);

    // The three targets share one page: set-up of the target, the level set-up, then Paint.
    bool DrawScreen(Canvas* dc, TBasicObj& obj, int32_t options) override;
    bool DrawPrintPage(Canvas* dc, TBasicObj& obj, int32_t options, int page) override;
    bool DrawCopy(Canvas* dc, TBasicObj& obj, int32_t options) override;

    // Starts a level pass: the chart base's BeginDraw, the limit and, with a device, the
    // brushes. Subclasses run their page set-up around it.
    virtual bool BeginLevelDraw(Canvas* dc, int32_t options, TBasicObj& obj);
    void EndDraw() override;

    const Brush& GetBrush(int index) const { return brushes_[static_cast<size_t>(index)]; }
    bool HasBrushes() const { return haveBrushes_; }
    int32_t Limit() const { return limit_; }
    int LimitBrush() const { return limitBrush_; }

protected:
    // Paints the page after a successful set-up and ends the pass.
    virtual bool Paint(TBasicObj& obj) = 0;
    // Places the chart 150 units in from the page's left edge and below the content, at most
    // maxWidth wide and with the aspect of the axis spans, leaving reservedBelow units under
    // it; a chart too tall for the page is narrowed and centred.
    Rect PlaceLevelChart(int maxWidth, int reservedBelow);

    TLevelObj* level = nullptr;

private:
    std::array<Brush, kBrushCount> brushes_{};
    bool haveBrushes_ = false;
    int32_t limit_ = 0;
    int limitBrush_ = 0;
};

} // namespace vordalis
