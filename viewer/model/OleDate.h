#pragma once
// The measurement date: days since 30 Dec 1899 with the time as fraction, plus a valid flag.
#include <cstdint>
#include <string>

namespace vordalis {

struct DateParts {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

struct OleDate {
    double value = 0.0;
    bool valid = false;

    // Invalid when the calendar date is impossible (31 February) or outside 100..9999.
    static OleDate FromParts(const DateParts& p);
    static OleDate Now();
    // Today at 00:00.
    static OleDate Today();
    // False when the date is invalid or cannot be broken down.
    bool Parts(DateParts& out) const;
    // "YYYY-MM-DDTHH:MM:SS", or empty when invalid.
    std::string Iso() const;
};

bool IsValidCalendarDate(int year, int month, int day);

} // namespace vordalis
