#include "charts/format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Days from 1.3.0000 to 1.1.2000 of the proleptic Gregorian calendar.
constexpr std::int64_t kDaysTo2000 = 730425;

// `units` in units of the `decimals`-th decimal place as text.
std::string UnitsText(long long units, int decimals, bool sign, char point) {
    std::string digits = std::to_string(std::llabs(units));
    if (decimals > 0) {
        if (digits.size() <= static_cast<std::size_t>(decimals))
            digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, point);
    }
    if (units < 0)
        return "-" + digits;
    return (sign && units > 0 ? "+" : "") + digits;
}

// Days from 1.1.2000 to the given date.
std::int64_t DaysSince2000(int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return std::int64_t{era} * 146097 + doe - kDaysTo2000;
}

int DaysInMonth(int y, int m) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : kDays[m - 1];
}

// Reads 1..max digits at pos; -1 when there are none.
int Digits(const std::string& t, std::size_t& pos, std::size_t maxDigits, std::size_t* count) {
    int value = 0;
    std::size_t n = 0;
    while (pos < t.size() && n < maxDigits && std::isdigit(static_cast<unsigned char>(t[pos]))) {
        value = value * 10 + (t[pos++] - '0');
        ++n;
    }
    if (count)
        *count = n;
    return n == 0 ? -1 : value;
}

} // namespace

std::string FormatDecimal(double value, int decimals, bool sign, char point) {
    if (!std::isfinite(value))
        return {};
    decimals = std::clamp(decimals, 0, 10);
    const double scaled = value * std::pow(10.0, decimals);
    if (std::abs(scaled) < 9e15)
        return UnitsText(std::llround(scaled), decimals, sign, point);
    // Beyond 2^53 a double holds no fraction to round.
    char text[400];
    std::snprintf(text, sizeof text, sign ? "%+.*f" : "%.*f", decimals, value);
    std::string out = text;
    std::replace(out.begin(), out.end(), '.', point);
    return out;
}

bool RoundsToZero(double value, int decimals) {
    return std::llround(value * std::pow(10.0, std::clamp(decimals, 0, 10))) == 0;
}

std::string FormatRatio(Ratio r, std::int64_t scale) {
    if (!r.defined())
        return kNone;
    // Tenths, rounded half away from zero; the magnitudes here stay far below 2^63.
    const bool negative = r.num < 0;
    const std::int64_t num = (negative ? -r.num : r.num) * scale * 10;
    const std::int64_t tenths = (2 * num + r.den) / (2 * r.den);
    return UnitsText(negative ? -tenths : tenths, 1, false, ',');
}

std::optional<std::int64_t> ParsePeriodTime(const std::string& raw, bool endOfDay) {
    const std::size_t first = raw.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const std::string t = raw.substr(first, raw.find_last_not_of(' ') + 1 - first);
    std::size_t pos = 0, yearDigits = 0;
    const int day = Digits(t, pos, 2, nullptr);
    if (day < 0 || pos >= t.size() || t[pos++] != '.')
        return std::nullopt;
    const int month = Digits(t, pos, 2, nullptr);
    if (month < 0 || pos >= t.size() || t[pos++] != '.')
        return std::nullopt;
    int year = Digits(t, pos, 4, &yearDigits);
    if (yearDigits != 2 && yearDigits != 4)
        return std::nullopt;
    if (yearDigits == 2)
        year += 2000;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return std::nullopt;
    std::int64_t minutes = DaysSince2000(year, month, day) * kMinutesPerDay;
    if (pos == t.size())
        return minutes + (endOfDay ? kMinutesPerDay : 0);
    if (t[pos] != ' ')
        return std::nullopt;
    while (pos < t.size() && t[pos] == ' ')
        ++pos;
    const int hour = Digits(t, pos, 2, nullptr);
    if (hour < 0 || hour > 23 || pos >= t.size() || t[pos++] != ':')
        return std::nullopt;
    std::size_t minuteDigits = 0;
    const int minute = Digits(t, pos, 2, &minuteDigits);
    if (minuteDigits != 2 || minute > 59 || pos != t.size())
        return std::nullopt;
    return minutes + hour * 60 + minute;
}

namespace {

struct CivilDate {
    int day, month;
    std::int64_t year;
};

CivilDate DateOf(std::int64_t minutes) {
    // Days since 1.3.0000, then the civil date: the inverse of DaysSince2000.
    const std::int64_t days =
        (minutes >= 0 ? minutes : minutes - kMinutesPerDay + 1) / kMinutesPerDay;
    const std::int64_t z = days + kDaysTo2000;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(doy - (153 * mp + 2) / 5 + 1), month,
            yoe + era * 400 + (month <= 2 ? 1 : 0)};
}

} // namespace

std::string DayMonth(std::int64_t minutes) {
    const CivilDate d = DateOf(minutes);
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.", d.day, d.month);
    return text;
}

std::string DayMonthYear(std::int64_t minutes) {
    const CivilDate d = DateOf(minutes);
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%02d", d.day, d.month,
                  static_cast<int>(((d.year % 100) + 100) % 100));
    return text;
}
