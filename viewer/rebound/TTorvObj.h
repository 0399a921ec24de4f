#pragma once
// What the three rebound objects (series, China-standard series, summary) have in common:
// one bar per position in the chart, the limit band and mean line with their dialog state,
// the hit tests over the bars, the painting slots forwarded to the rebound plot, and the
// pieces of the file format they share (date fields, wide-capable texts).
#include "model/Strings.h"
#include "model/TBasicObj.h"

#include <initializer_list>

namespace vordalis {

class TTorvPlot;

class TTorvObj : public TBasicObj {
public:
    // Series names of both rebound files hold 13 characters.
    static constexpr size_t kSeriesNameLength = 13;
    // RowY and HitY report this for "a value of the series" rather than a y position.
    static constexpr double kListRow = 7777.0;

    TTorvObj();

    // --- painting, forwarded to the plot ---
    void Draw(Canvas& dc) override;
    void PrintPage(Canvas& dc, int page) override;
    void DrawCopy(Canvas& dc) override;
    Extent GetExtent() override;
    int GetPageCount(Canvas& dc) override;
    Extent GetCopySize() override;
    int GetEditFlags() override { return edit::kListFlags; }

    // --- hit tests over the bars (positions 1..PositionCount) ---
    double HitX(int x, int y) override;
    double RowX(int row) override { return row + 1.0; }
    double HitY(int x, int y) override;
    double RowY(int) override { return kListRow; }
    double HitValue(int x, int y) override;
    int HitRegion(int x, int y, int* row) override;

    // --- what the chart shows ---
    virtual TTorvPlot& Plot() = 0;
    const TTorvPlot& Plot() const { return const_cast<TTorvObj*>(this)->Plot(); }
    // Number of bars and the value of bar `position` (1-based; 0 outside).
    virtual int PositionCount() const = 0;
    virtual double PositionValue(int position) const = 0;
    // A bar drawn grey and struck through (China outliers); none by default.
    virtual bool PositionGreyed(int) const { return false; }
    // Text over a bar with the display option "Values".
    virtual std::u16string PositionLabel(int position) const;
    // Height of the mean line.
    virtual double ChartMean() const = 0;
    // Limits the Limit dialog's "Initial settings" box restores.
    virtual void InitialLimits(int32_t& lower, int32_t& upper) const = 0;
    // True when v lies outside the chart limits [lowerLimit, upperLimit].
    bool OutsideLimits(double v) const { return v < lowerLimit || v > upperLimit; }

    // Chart limits and options, edited with the Limit dialog.
    int32_t lowerLimit = 0;
    int32_t upperLimit = 0;
    int32_t showMeanLine = 0;
    int32_t showLimits = 0;
    int32_t limitsInitial = 1;

protected:
    // Year, month, day, hour and minute as int fields ("-" for 0 or an invalid date); the
    // last field gets lastDelimiter.
    static bool ReadDateFields(ObjectReader& in, DateParts& parts);
    // The quoted series name, read whole (a name of full length keeps its closing quote out
    // of the text) and cut to kSeriesNameLength. False when the file ends there.
    static bool ReadSeriesName(ObjectReader& in, std::u16string& name);
    void WriteDateFields(ObjectWriter& out, delim::Delimiter lastDelimiter) const;
    // Name, title and remarks at the end of a rebound file; a text that does not fit in single
    // bytes is written as a wide block with a quoted replacement. False when cut short.
    bool ReadTexts(ObjectReader& in);
    void WriteTexts(ObjectWriter& out) const;
    // Sets the chart scales for `positions` bars up to `largest` and the y title (a numbered
    // string, looked up when drawn, and its unit); false when no step fits.
    bool SetupChart(int positions, double largest, Str yTitleString, const std::u16string& yUnit);
    // Writes the flags shared by every rebound object to the description.
    void DescribeLimits(Json& out) const;
};

// Reads int fields in order; false at the first one that cannot be read.
bool ReadInts(ObjectReader& in, std::initializer_list<int32_t*> fields);
// Writes int fields ("-" for 0 or less), each followed by delimiter.
void WriteInts(ObjectWriter& out, std::initializer_list<int32_t> fields,
               delim::Delimiter delimiter = delim::kTab);
// Reads a token of at most maxChars characters and converts it as a decimal number.
bool ReadDecimal(ObjectReader& in, size_t maxChars, double& value);
// Writes a number with a printf format ("%0.2f").
void WriteFormatted(ObjectWriter& out, const char* format, double value, delim::Delimiter delimiter);
// Whether value, written with format, reads back as the same number through ReadDecimal with
// maxChars: a value with more places than the format's, or too wide for the field, does not.
bool DecimalReadsBack(const char* format, double value, size_t maxChars);
// Whether none of the values is negative: an int field writes "-" for every value of 0 or
// less, which reads back as 0.
bool NoneNegative(std::initializer_list<int32_t> values);

} // namespace vordalis
