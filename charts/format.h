// Numbers and dates as the German texts write them, and the calendar behind the dates. One
// rounding rule everywhere: half away from zero.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

inline constexpr int kMinutesPerDay = 24 * 60;
// Where a figure cannot be given.
inline constexpr char kNone[] = "–";

// A quotient kept exact; shown only when the divisor is above 0.
struct Ratio {
    std::int64_t num = 0;
    std::int64_t den = 0;

    bool defined() const { return den > 0; }
    double value() const { return defined() ? static_cast<double>(num) / den : 0.0; }
};

// `value` with `decimals` places (0 to 10), rounded half away from zero, with a decimal comma (or
// `point`) and no thousands separators; "+" before a positive value when `sign`. Empty when the
// value is not finite.
std::string FormatDecimal(double value, int decimals, bool sign = false, char point = ',');
// True when the value shows as zero with `decimals` places: a change below that is none.
bool RoundsToZero(double value, int decimals);
// A quotient with one decimal and a decimal comma, rounded half away from zero; "–" when the
// divisor is not above 0. `scale` multiplies first (100 for percent).
std::string FormatRatio(Ratio r, std::int64_t scale = 1);

// Parses "TT.MM.JJ hh:mm", "TT.MM.JJJJ hh:mm", "TT.MM.JJ" or "TT.MM.JJJJ" into minutes since
// 1.1.2000; a date without time means the start of that day, or its end when `endOfDay`.
std::optional<std::int64_t> ParsePeriodTime(const std::string& text, bool endOfDay);
// "TT.MM." of the day holding the given minute since 1.1.2000.
std::string DayMonth(std::int64_t minutes);
// "TT.MM.JJ" of that day.
std::string DayMonthYear(std::int64_t minutes);
