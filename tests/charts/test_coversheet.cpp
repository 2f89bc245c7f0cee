// The cover sheet's 16 lines and the period fields it reads from the header.
#include "charts/coversheet.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

TEST(CoverSheet, SixteenLinesAndThePeriodFields) {
    StatisticsStore s;
    s.FileName = "/daten/stat.csv";
    s.FloorCount = 2;
    s.HeaderLines[2] = "07.12.26 18:00;Stop;";
    s.HeaderLines[5] = "Start;01.12.26 06:00;x;";
    s.CallStat[ADown][0][1] = 7;
    s.CallStat[AUp][0][2] = 12;
    s.CallStat[BUp][0][2] = 3;
    s.CallStat[BDown][0][3] = 1000;            // beyond FloorCount
    ASSERT_EQ(BuildCoverSheet(s).size(), 16u); // the window's test reads all 16
    EXPECT_EQ(BuildCoverSheet(s)[14], "Summe der Außenrufe:   22");
    s.FileName = "/" + std::string(254, 'x');
    EXPECT_EQ(BuildCoverSheet(s)[6].size(), 255u); // the whole line is cut
    // The period fields of header lines 3 and 6, cut to 15 characters.
    const struct {
        std::string line2, line5, stop, start;
    } cases[] = {
        {"0123456789ABCDE;", "x;0123456789ABCDE;", "0123456789ABCDE", "0123456789ABCDE"},
        {"0123456789ABCDEF;", "x;0123456789ABCDEF;", "0123456789ABCDE", "0123456789ABCDE"},
        {";", "x;;", "", ""},
        {"ohne Semikolon", "ohne", "ohne Semikolon", ""}, // malformed headers: no crash
        {"M\xE4rz;", "x;bis zum Ende", "M\xE4rz", "bis zum Ende"},
    };
    for (const auto& c : cases) {
        s.HeaderLines[2] = c.line2;
        s.HeaderLines[5] = c.line5;
        EXPECT_EQ(PeriodStopOf(s), c.stop) << c.line2;
        EXPECT_EQ(PeriodStartOf(s), c.start) << c.line5;
        if (c.line2[1] == '\xE4') { // decoded for display
            EXPECT_EQ(BuildCoverSheet(s)[12], "Statistik Stop:   März");
        }
    }
}
