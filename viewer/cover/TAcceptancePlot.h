#pragma once
// The printed page of a cover acceptance: the object's page header, the judgement's inputs and
// results as rows of label and value, and the verdict in the heading font. The texts come
// translated from the dialog; the page only lays them out.
#include "plot/TBasicPlot.h"

#include <string>
#include <vector>

namespace vordalis {

class TAcceptancePlot : public TBasicPlot {
public:
    struct Row {
        std::u16string label;
        std::u16string value;
    };

    std::u16string heading;
    std::vector<Row> rows;
    std::u16string verdict;

    // The page is printed and copied only; the view shows the object itself.
    bool DrawScreen(Canvas*, TBasicObj&, int32_t) override { return false; }
    bool DrawPrintPage(Canvas* dc, TBasicObj& obj, int32_t opts, int page) override;
    bool DrawCopy(Canvas* dc, TBasicObj& obj, int32_t opts) override;

    static constexpr int kRowHeight = 45;
    static constexpr int kValueColumn = 700;

private:
    bool Paint(Canvas* dc, TBasicObj& obj, int32_t opts);
};

} // namespace vordalis
