#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/value_text.h"

namespace engine {

// A calendar day without a time of day, in the proleptic Gregorian calendar.
struct CivilDate {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// The dates the "mm/dd/yyyy" text can spell: years 1 to 9999.
inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9999;

int DaysInMonth(int year, int month);  // 0 for a month outside 1..12
bool IsValidDate(const CivilDate& date);  // an existing day within kFirstYear..kLastYear

// Days from 1970-01-01 to the date, counted on the calendar with every leap
// day; negative before it. The date must be valid.
std::int64_t DayNumber(const CivilDate& date);

// "mm/dd/yyyy": month, day and year zero-padded to 2, 2 and 4 digits
// ("01/05/2026"). The date must be valid.
std::string FormatUsDate(const CivilDate& date);

// Reads a month-first date "m/d/yyyy": month and day of one or two digits,
// the year of exactly four, nothing else around them; so every text that
// FormatUsDate writes reads back to its date. Empty for any other text and
// for a day that does not exist ("02/30/2024").
std::optional<CivilDate> ParseUsDate(std::string_view text);

// The sentence that compares two dates, with the count of days between them
// never negative; only the wording tells which date is the later one:
// "The difference between your dates is 2 days." when the first date is the
// later, "The difference between your first and second date is 2 days."
// otherwise (also for the same day). The count is written as FormatValue
// writes numbers.
std::string DifferenceSentence(const CivilDate& first, const CivilDate& second,
                               const NumberFormat& format);

}  // namespace engine
