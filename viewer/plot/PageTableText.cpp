#include "plot/PageTableText.h"

#include "plot/RecordingCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace vordalis {

namespace {

struct TextItem {
    std::u16string text;
    int left = 0, right = 0; // the text's box across
    int cx = 0, cy = 0;      // centre of the text's box
    int height = 0;
    bool heading = false;
};

// A screen canvas that keeps every horizontal text with the centre of its box.
class TextCanvas : public RecordingCanvas {
public:
    void TextOut(int x, int y, const std::u16string& text) override {
        if (text.empty() || font_.escapement != 0) return;
        Size ext = TextExtent(text);
        int left = x;
        switch (align_ & align::kHorizontalMask) {
        case align::kCenter:
            left = x - ext.cx / 2;
            break;
        case align::kRight:
            left = x - ext.cx;
            break;
        default:
            break;
        }
        // Baseline: the box stands on it, less the descent (a fifth of the height).
        int top = y;
        switch (align_ & align::kVerticalMask) {
        case align::kBottom:
            top = y - ext.cy;
            break;
        case align::kBaseline:
            top = y - ext.cy * 4 / 5;
            break;
        default:
            break;
        }
        items.push_back(
            {text, left, left + ext.cx, left + ext.cx / 2, top + ext.cy / 2, ext.cy, font_.weight >= 600});
    }

    std::vector<TextItem> items;
};

bool IsTableRegion(const TBasicObj& obj, int region) {
    return region >= 3 || (region == 2 && obj.type < kTypeReboundSeries);
}

std::u16string Clean(std::u16string s) {
    for (char16_t& c : s)
        if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
    size_t a = s.find_first_not_of(u' ');
    if (a == std::u16string::npos) return {};
    size_t b = s.find_last_not_of(u' ');
    return s.substr(a, b - a + 1);
}

} // namespace

TextTable PageTableText(TBasicObj& obj) {
    TextCanvas canvas;
    obj.Draw(canvas);
    std::vector<TextItem>& items = canvas.items;

    int first = -1, last = -1;
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        int row = -1;
        if (IsTableRegion(obj, obj.HitRegion(items[i].cx, items[i].cy, &row))) {
            if (first < 0) first = i;
            last = i;
        }
    }
    if (first < 0) return {};
    // Back to the table's heading: the last bold text before the first value.
    for (int i = first - 1; i >= 0; --i) {
        if (items[i].heading) {
            first = i;
            break;
        }
    }

    std::vector<TextItem> run(items.begin() + first, items.begin() + last + 1);
    std::stable_sort(run.begin(), run.end(),
                     [](const TextItem& a, const TextItem& b) { return a.cy < b.cy; });
    // Rows: centres within half a text height of the row's first text.
    std::vector<std::vector<TextItem>> lines;
    for (const TextItem& t : run) {
        if (lines.empty() || std::abs(t.cy - lines.back().front().cy) > lines.back().front().height / 2)
            lines.emplace_back();
        lines.back().push_back(t);
    }
    // Columns: the spans of the texts of rows with several cells, overlapping spans merged, so
    // that a value lands under its heading and a missing value leaves its cell empty.
    std::vector<std::pair<int, int>> spans;
    for (const auto& line : lines)
        if (line.size() > 1)
            for (const TextItem& t : line) spans.push_back({t.left, t.right});
    std::sort(spans.begin(), spans.end());
    std::vector<std::pair<int, int>> columns;
    for (const auto& sp : spans) {
        if (!columns.empty() && sp.first < columns.back().second)
            columns.back().second = std::max(columns.back().second, sp.second);
        else
            columns.push_back(sp);
    }
    TextTable table;
    for (auto& line : lines) {
        std::stable_sort(line.begin(), line.end(),
                         [](const TextItem& a, const TextItem& b) { return a.cx < b.cx; });
        std::vector<std::u16string> cells;
        if (line.size() == 1 && line.front().heading) {
            // A heading stands in a row of its own, as the page shows it.
            cells.push_back(Clean(line.front().text));
        } else {
            for (const TextItem& t : line) {
                size_t c = 0;
                while (c + 1 < columns.size() && columns[c].second <= t.left) ++c;
                size_t at = std::max(c, cells.size());
                cells.resize(at + 1);
                cells[at] = Clean(t.text);
            }
        }
        table.push_back(std::move(cells));
    }
    return table;
}

std::u16string TabSeparated(const TextTable& table) {
    std::u16string out;
    for (const auto& row : table) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i) out += u'\t';
            out += Clean(row[i]);
        }
        out += u'\n';
    }
    return out;
}

} // namespace vordalis
