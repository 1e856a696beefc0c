#include "engine/civil_date.h"

#include <charconv>

namespace engine {

namespace {

constexpr bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a run of `min`..`max` digits at the front of `text`, consuming them.
std::optional<int> TakeNumber(std::string_view& text, std::size_t min, std::size_t max)
{
    std::size_t length = 0;
    while (length < text.size() && IsDigit(text[length])) ++length;
    if (length < min || length > max) return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + length, value);
    text.remove_prefix(length);
    return value;
}

bool TakeSlash(std::string_view& text)
{
    if (text.empty() || text.front() != '/') return false;
    text.remove_prefix(1);
    return true;
}

void AppendPadded(std::string& out, int value, int width)
{
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    for (auto n = end - digits; n < width; ++n) out.push_back('0');
    out.append(digits, end);
}

}  // namespace

int DaysInMonth(int year, int month)
{
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(const CivilDate& date)
{
    return date.year >= kFirstYear && date.year <= kLastYear && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

std::int64_t DayNumber(const CivilDate& date)
{
    // Counts in 400-year eras that begin on 1 March, so the leap day is the
    // last day of its year and each era has exactly 146097 days.
    const std::int64_t y = std::int64_t(date.year) - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;                            // 0..399
    const std::int64_t monthFromMarch = (date.month + 9) % 12;               // March = 0
    const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;  // 0..365
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;  // 719468: days from 0000-03-01 to 1970-01-01
}

std::string FormatUsDate(const CivilDate& date)
{
    std::string text;
    text.reserve(10);
    AppendPadded(text, date.month, 2);
    text.push_back('/');
    AppendPadded(text, date.day, 2);
    text.push_back('/');
    AppendPadded(text, date.year, 4);
    return text;
}

std::optional<CivilDate> ParseUsDate(std::string_view text)
{
    const auto month = TakeNumber(text, 1, 2);
    if (!month || !TakeSlash(text)) return std::nullopt;
    const auto day = TakeNumber(text, 1, 2);
    if (!day || !TakeSlash(text)) return std::nullopt;
    const auto year = TakeNumber(text, 4, 4);
    if (!year || !text.empty()) return std::nullopt;
    const CivilDate date{*year, *month, *day};
    if (!IsValidDate(date)) return std::nullopt;
    return date;
}

std::string DifferenceSentence(const CivilDate& first, const CivilDate& second,
                               const NumberFormat& format)
{
    const std::int64_t d1 = DayNumber(first);
    const std::int64_t d2 = DayNumber(second);
    if (d1 > d2)
        return "The difference between your dates is " + FormatValue(double(d1 - d2), format) +
               " days.";
    return "The difference between your first and second date is " +
           FormatValue(double(d2 - d1), format) + " days.";
}

}  // namespace engine
