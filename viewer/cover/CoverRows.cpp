#include "cover/CoverRows.h"

#include "model/Strings.h"
#include "plot/TextFormat.h"

#include <algorithm>

namespace vordalis {

void DrawCoverRow(TBasicPlot& plot, int left, int baseline, const CoverRow& row, const RowColumns& at) {
    Canvas* dc = plot.device;
    if (!dc) return;
    dc->SetTextAlign(align::kLeft | align::kBaseline);
    // A label too long for its column (translations) is written smaller rather than over the
    // symbol.
    const std::u16string symbol = row.symbol + u"  =";
    const int room = at.symbol - dc->TextExtent(symbol).cx - 15;
    const int width = dc->TextExtent(row.label).cx;
    if (width > room && room > 0 && !row.symbol.empty()) {
        Font small = plot.normalFont;
        small.height = std::max(20, plot.normalFont.height * room / width);
        dc->SetFont(small);
        dc->TextOut(left, baseline, row.label);
        dc->SetFont(plot.normalFont);
    } else {
        dc->TextOut(left, baseline, row.label);
    }
    if (!row.symbol.empty() || !row.value.empty()) {
        dc->SetTextAlign(align::kRight | align::kBaseline);
        dc->TextOut(left + at.symbol, baseline, symbol);
        dc->TextOut(left + at.value, baseline, row.value);
    }
    dc->SetTextAlign(align::kLeft | align::kBaseline);
    dc->TextOut(left + at.unit, baseline, row.unit);
}

void DrawBoxTitle(TBasicPlot& plot, int left, int baseline, const std::u16string& title) {
    Canvas* dc = plot.device;
    if (!dc) return;
    plot.SelectHeadingFont();
    dc->SetTextAlign(align::kLeft | align::kBaseline);
    dc->TextOut(left, baseline, title);
    plot.SelectNormalFont();
}

std::vector<CoverRow> BarParameterRows(int barDiameter, int layerWord, int limit, bool inches) {
    std::vector<CoverRow> rows;
    if (layerWord & 1) {
        // Two-layer correction: bit 1 double bars in the first layer, bits 2-3 the second
        // layer's diameter, bits 4-6 the mesh; codes without a text of their own show "-".
        static const char16_t* const kSecond[] = {u"16  ", u"25  ", u"32  "};
        static const char16_t* const kMesh[] = {u"100 x 100  ", u"125 x 125  ", u"150 x 100  ",
                                                u"200 x 100  ", u"200 x 200  "};
        const int second = (layerWord >> 2) & 3;
        const int mesh = (layerWord >> 4) & 7;
        rows.push_back({LoadString(Str::TwoLayerCorrection), u"", u"", u""});
        rows.push_back({LoadString(Str::FirstLayer), (layerWord & 2) ? u"2x D" : u"D", u"16  ", u"mm"});
        rows.push_back({LoadString(Str::SecondLayer), u"D", second < 3 ? kSecond[second] : u"-  ", u"mm"});
        rows.push_back({LoadString(Str::Arrangement), u"", mesh < 5 ? kMesh[mesh] : u"-  ", u"mm"});
    } else if (inches) {
        rows.push_back({LoadString(Str::BarDiameter), u"D",
                        Printf("%d/8", static_cast<int>(barDiameter * kInchPerMm * 8 + 0.5)), u"in"});
        if (layerWord > 0)
            rows.push_back(
                {LoadString(Str::BarDistance), u"a", Printf("%0.2f", layerWord * kInchPerMm + 0.04), u"in"});
    } else {
        rows.push_back({LoadString(Str::BarDiameter), u"D", Printf("%d  ", barDiameter), u"mm"});
        if (layerWord > 0)
            rows.push_back({LoadString(Str::BarDistance), u"a", Printf("%d  ", layerWord), u"mm"});
    }
    if (limit > 0) {
        if (inches)
            rows.push_back(
                {LoadString(Str::CoverLimit), u"s(Min)", Printf("%0.2f", limit * kInchPerMm), u"in"});
        else
            rows.push_back({LoadString(Str::CoverLimit), u"s(Min)", Printf("%d  ", limit), u"mm"});
    }
    return rows;
}

std::u16string UnitSuffix(bool inches) {
    return inches ? u" [in]" : u" [mm]";
}

Rgb CoverTextColour(int32_t cover, int32_t limit, int32_t options) {
    const int mode = opts::ColourMode(options);
    if ((mode == opts::kGreenRed || mode == opts::kSpectral) && cover > 0 && cover < limit)
        return Rgb(255, 0, 0);
    return kBlack;
}

} // namespace vordalis
