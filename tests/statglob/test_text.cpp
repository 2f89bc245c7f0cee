// Windows-1252 and UTF-8 both ways, and cuts that never split a character.
#include "statglob/text.h"

#include <gtest/gtest.h>

TEST(Cp1252, DecodesAndEncodes) {
    const std::pair<std::string, std::string> both[] = {
        {std::string("Au\xDF") + "enrufe \xE4\xF6\xFC", "Außenrufe äöü"},
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
    EXPECT_EQ(Utf8ToCp1252(std::string("\xFF") + "b"), "?b");
    EXPECT_EQ(Utf8CutBytes("ab\xC3\xA4", 3), "ab"); // never half a character
    EXPECT_EQ(Utf8CutBytes("ab\xC3\xA4", 4), "ab\xC3\xA4");
}
