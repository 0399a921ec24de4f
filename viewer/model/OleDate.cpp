#include "model/OleDate.h"
#include "model/LocalTime.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace vordalis {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t yy = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

const int64_t kOleEpoch = DaysFromCivil(1899, 12, 30);

} // namespace

bool IsValidCalendarDate(int year, int month, int day) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    int dim = days[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= dim;
}

OleDate OleDate::FromParts(const DateParts& p) {
    OleDate d;
    if (!IsValidCalendarDate(p.year, p.month, p.day) || p.hour < 0 || p.hour > 23 || p.minute < 0 ||
        p.minute > 59 || p.second < 0 || p.second > 59)
        return d;
    double days = static_cast<double>(DaysFromCivil(p.year, p.month, p.day) - kOleEpoch);
    double frac = (p.hour * 3600 + p.minute * 60 + p.second) / 86400.0;
    // Before the epoch the fraction counts away from zero, as OLE dates do.
    d.value = days >= 0 ? days + frac : days - frac;
    d.valid = true;
    return d;
}

OleDate OleDate::Now() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    if (!LocalTime(t, tm)) return {};
    return FromParts({tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec});
}

OleDate OleDate::Today() {
    DateParts p;
    if (!Now().Parts(p)) return {};
    return FromParts({p.year, p.month, p.day, 0, 0, 0});
}

bool OleDate::Parts(DateParts& out) const {
    if (!valid || !std::isfinite(value) || value < -657434.0 || value > 2958466.0) return false;
    double whole = std::trunc(value);
    double frac = std::fabs(value - whole);
    int64_t secs = static_cast<int64_t>(std::llround(frac * 86400.0));
    int64_t day = static_cast<int64_t>(whole);
    if (secs >= 86400) {
        secs -= 86400;
        day += value >= 0 ? 1 : -1;
    }
    CivilFromDays(day + kOleEpoch, out.year, out.month, out.day);
    out.hour = static_cast<int>(secs / 3600);
    out.minute = static_cast<int>((secs / 60) % 60);
    out.second = static_cast<int>(secs % 60);
    return true;
}

std::string OleDate::Iso() const {
    DateParts p;
    if (!Parts(p)) return {};
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute,
                  p.second);
    return buf;
}

} // namespace vordalis
