#include "cp1252.h"
#include "store.h"

#include <gtest/gtest.h>

TEST(StatisticsStore, StartsEmptyWithLabelDefaults) {
    StatisticsStore s;
    EXPECT_EQ(s.FloorCount, 0);
    EXPECT_EQ(s.FloorNames[0], "KG");
    EXPECT_EQ(s.FloorNames[1], "EG");
    EXPECT_EQ(s.FloorNames[2], "1");
    EXPECT_EQ(s.FloorNames[40], "39");
    EXPECT_EQ(s.HourNames[0], "0:00 Uhr");
    EXPECT_EQ(s.HourNames[23], "23:00 Uhr");
    EXPECT_EQ(s.ShaftNames[0], "Schacht A");
    EXPECT_EQ(s.ShaftNames[3], "Schacht D");
    for (const auto& group : s.CallStat)
        for (const auto& row : group)
            for (int v : row)
                EXPECT_EQ(v, 0);
    EXPECT_TRUE(s.LastDir.empty());
    EXPECT_TRUE(s.FileName.empty());
}

TEST(ShortString, CutsAtCapacity) {
    const struct {
        const char* text;
        const char* kept;
    } cases[] = {
        {"", ""}, {"KG", "KG"}, {"0123456789", "0123456789"}, {"0123456789X", "0123456789"}};
    for (const auto& c : cases) {
        const ShortString<10> s(c.text);
        EXPECT_EQ(s.str(), c.kept) << c.text;
    }
}

TEST(Cp1252, DecodesAndEncodes) {
    const struct {
        std::string bytes;
        std::string utf8;
    } cases[] = {
        {"Au\xDF"
         "enrufe",
         "Außenrufe"},
        {"\xE4\xF6\xFC\xC4\xD6\xDC", "äöüÄÖÜ"},
        {"\x80", "€"},
        {"\x81", "\xC2\x81"}, // undefined in the code page, kept as the C1 control
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1252ToUtf8(c.bytes), c.utf8);
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.bytes);
    }
    EXPECT_EQ(Utf8ToCp1252("漢x"), "?x");
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?"); // cut-off sequence
    EXPECT_EQ(Utf8ToCp1252("\xFF"
                           "b"),
              "?b");
}

TEST(Utf8CutBytes, NeverSplitsACharacter) {
    EXPECT_EQ(Utf8CutBytes("abc", 5), "abc");
    EXPECT_EQ(Utf8CutBytes("abcdef", 3), "abc");
    EXPECT_EQ(Utf8CutBytes("ab\xC3\xA4", 3), "ab"); // ä would be cut in half
    EXPECT_EQ(Utf8CutBytes("ab\xC3\xA4", 4), "ab\xC3\xA4");
}
