#include "cp1252.h"
#include "store.h"

#include <gtest/gtest.h>

TEST(StatisticsStore, StartsEmptyWithLabelDefaults) {
    const StatisticsStore s;
    EXPECT_EQ(s.FloorCount, 0);
    const std::pair<std::string_view, std::string_view> labels[] = {
        {s.FloorNames[0].view(), "KG"},        {s.FloorNames[1].view(), "EG"},
        {s.FloorNames[2].view(), "1"},         {s.FloorNames[40].view(), "39"},
        {s.HourNames[0].view(), "0:00 Uhr"},   {s.HourNames[23].view(), "23:00 Uhr"},
        {s.ShaftNames[3].view(), "Schacht D"}, {s.LastDir.view(), ""}};
    for (const auto& [label, expected] : labels)
        EXPECT_EQ(label, expected);
    EXPECT_EQ(ShortString<10>("0123456789X").str(), "0123456789"); // cut at the capacity
}

TEST(Cp1252, DecodesAndEncodes) {
    const std::pair<std::string, std::string> both[] = {
        {"Au\xDF"
         "enrufe \xE4\xF6\xFC",
         "Außenrufe äöü"},
        {"\x80", "€"},
        {"\x81", "\xC2\x81"}, // undefined in the code page, kept as the C1 control
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& [bytes, utf8] : both) {
        EXPECT_EQ(Cp1252ToUtf8(bytes), utf8);
        EXPECT_EQ(Utf8ToCp1252(utf8), bytes);
    }
    EXPECT_EQ(Utf8ToCp1252("漢x"), "?x");
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?"); // cut-off sequence
    EXPECT_EQ(Utf8ToCp1252("\xFF"
                           "b"),
              "?b");
    EXPECT_EQ(Utf8CutBytes("ab\xC3\xA4", 3), "ab"); // never half a character
    EXPECT_EQ(Utf8CutBytes("ab\xC3\xA4", 4), "ab\xC3\xA4");
}
