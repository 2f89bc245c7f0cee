// Values at and past the edges of 32 bits, in every kind of line: the edge values load as
// they are, one past them is refused with the field in the message.
#include "hostile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace {

struct ValueCase {
    std::string text;
    std::optional<std::int32_t> value; // nullopt: refused
};

const ValueCase kValues[] = {
    {"2147483647", INT32_MAX},
    {"-2147483648", INT32_MIN},
    {"+2147483647", INT32_MAX},
    {"   2147483647", INT32_MAX},
    {"000000000000002147483647", INT32_MAX}, // leading zeros stay in range
    {"-0", 0},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"4294967295", std::nullopt}, // would be -1 in 32 bits
    {"4294967296", std::nullopt}, // would be 0 in 32 bits
    {"4294967297", std::nullopt}, // would be 1 in 32 bits
    {"9223372036854775807", std::nullopt},
    {"9223372036854775808", std::nullopt},
    {"18446744073709551617", std::nullopt}, // would be 1 in 64 bits
    {"-9223372036854775809", std::nullopt},
    {"+-1", std::nullopt},
    {"--1", std::nullopt},
    {"2147483647 ", std::nullopt},
};

// Where the value goes, and the cell it must arrive in.
struct Place {
    const char* name;
    std::size_t line;
    std::size_t field;
    std::int32_t (*cell)(const StatisticsStore&);
};

const Place kPlaces[] = {
    {"waiting-time sum", kFloor1Line, 1,
     [](const StatisticsStore& s) { return s.WaitSum[ADown][1]; }},
    {"calls", kFloor1Line, 2, [](const StatisticsStore& s) { return s.CallStat[ADown][0][1]; }},
    {"calls of shaft D, door B up", kFloor1Line, 24,
     [](const StatisticsStore& s) { return s.CallStat[BUp][4][1]; }},
    {"down calls at 0:00", kHour1Line, 1,
     [](const StatisticsStore& s) { return s.HourDown[1][1]; }},
    {"up calls at 23:00", kHour1Line, 48, [](const StatisticsStore& s) { return s.HourUp[24][1]; }},
    {"floors passed by shaft D", kTravelLine, 4,
     [](const StatisticsStore& s) { return s.TravelCount[ShaftD]; }},
};

} // namespace

TEST(HostileValues, EdgesOf32BitsInEveryKindOfLine) {
    for (const Place& place : kPlaces) {
        for (const ValueCase& c : kValues) {
            SCOPED_TRACE(std::string(place.name) + ": " + c.text);
            TempDir dir;
            const std::string path =
                dir.write("stat.csv", WorkedExampleWith(place.line, place.field, c.text));
            const Attempt a = LoadOver(path);
            if (c.value) {
                ExpectOutcome(a, path, "");
                EXPECT_EQ(place.cell(a.after), *c.value);
            } else {
                ExpectOutcome(a, path, "'" + c.text + "' ist kein gültiger Integerwert");
            }
        }
    }
}
