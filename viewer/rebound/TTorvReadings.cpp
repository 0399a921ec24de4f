#include "rebound/TTorvReadings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vordalis {

double TTorvReadings::RowValue(int row) {
    return values.Get(row);
}

bool TTorvReadings::SetValueAt(double x, double, double value) {
    return SetValueByIndex(static_cast<int>(std::floor(x + 0.5)) - 1, value);
}

bool TTorvReadings::SetValueByIndex(int index, double value) {
    if (index < 0 || index >= values.Length()) return false;
    values.At(index) = static_cast<int32_t>(value);
    return true;
}

double TTorvReadings::PositionValue(int position) const {
    return position >= 1 && position <= values.Length() ? values.Get(position - 1) : 0.0;
}

void TTorvReadings::InitialLimits(int32_t& lower, int32_t& upper) const {
    lower = instrumentLowerLimit;
    upper = instrumentUpperLimit;
}

bool TTorvReadings::ReadSeriesHead(ObjectReader& in, DateParts& parts) {
    return in.ReadInteger(objectNumber) && ReadSeriesName(in, seriesName) && ReadDateFields(in, parts);
}

void TTorvReadings::WriteSeriesHead(ObjectWriter& out, const char* head) const {
    char number[32];
    out.WriteText(head, delim::kTab);
    std::snprintf(number, sizeof number, "%04d", objectNumber);
    out.WriteText(number, delim::kTab);
    out.WriteQuoted(seriesName, delim::kTab);
    WriteDateFields(out, delim::kTab);
}

bool TTorvReadings::SetupReadingsChart() {
    if (upperLimit < lowerLimit) lowerLimit = 0;
    if (showLimits == 1 && maxMeasured < upperLimit) maxMeasured = upperLimit;
    maxMeasured = std::max(maxMeasured, 10);
    return SetupChart(values.Length(), maxMeasured, Str::ReboundValue, u" [R]");
}

} // namespace vordalis
