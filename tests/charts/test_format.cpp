// Numbers and dates as the texts write them.
#include "charts/format.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Format, OneRoundingRuleAndThePeriodForms) {
    const struct {
        Ratio r;
        std::int64_t scale;
        const char* text;
    } ratios[] = {{{1, 3}, 100, "33,3"}, {{5, 100}, 1, "0,1"}, {{-5, 100}, 1, "-0,1"},
                  {{-1, 100}, 1, "0,0"}, {{1, 0}, 1, "–"},     {{1, -2}, 1, "–"}};
    for (const auto& c : ratios)
        EXPECT_EQ(FormatRatio(c.r, c.scale), c.text) << c.r.num << "/" << c.r.den;
    // Doubles the same way: half away from zero, decimal comma, a sign when asked for.
    const struct {
        double v;
        int decimals;
        bool sign;
        const char* text;
    } decimals[] = {{2.5, 0, false, "3"},
                    {-2.5, 0, false, "-3"},
                    {0.05, 1, true, "+0,1"},
                    {-0.04, 1, true, "0,0"},
                    {12.25, 1, false, "12,3"},
                    {7, 2, false, "7,00"},
                    {1e17, 1, false, "100000000000000000,0"},
                    {NAN, 1, false, ""}};
    for (const auto& c : decimals)
        EXPECT_EQ(FormatDecimal(c.v, c.decimals, c.sign), c.text) << c.v;
    EXPECT_EQ(DayMonth(0) + DayMonth(60 * 1440 - 1) + DayMonth(-1), "01.01.29.02.31.12.");
    const struct {
        const char* text;
        bool endOfDay;
        std::optional<std::int64_t> minutes; // since 1.1.2000
    } times[] = {
        {"01.01.2000", false, 0},
        {"01.01.2000", true, 1440},
        {"01.01.00 00:01", false, 1},
        {" 01.03.2000 7:05 ", false, 60 * 1440 + 425},
        {"29.02.23", false, std::nullopt},
        {"01.12.26 24:00", false, std::nullopt},
        {"01.12.26 06:60", false, std::nullopt},
        {"01.12.026", false, std::nullopt},
        {"01.12.26 06:00x", false, std::nullopt},
        {"", false, std::nullopt},
    };
    for (const auto& c : times)
        EXPECT_EQ(ParsePeriodTime(c.text, c.endOfDay), c.minutes) << c.text;
}
