// The cover sheet's 16 lines.
#include "coversheet.h"

#include <gtest/gtest.h>

TEST(CoverSheet, SixteenLinesFromTheStore) {
    StatisticsStore s;
    s.FileName = "/daten/stat.csv";
    s.FloorCount = 2;
    s.HeaderLines[2] = "07.12.26 18:00;Stop;";
    s.HeaderLines[5] = "Start;01.12.26 06:00;x;";
    s.CallStat[ADown][0][1] = 7;
    s.CallStat[AUp][0][2] = 12;
    s.CallStat[BUp][0][2] = 3;
    s.CallStat[BDown][0][3] = 1000; // beyond FloorCount
    const std::vector<std::string> expected = {"QVL Gruppenstatistik ",
                                               "",
                                               "Kunde: ",
                                               "",
                                               "Kommission: ",
                                               "",
                                               "Datei: /daten/stat.csv",
                                               "",
                                               "Anzahl Stockwerke: 2",
                                               "",
                                               "Statistik Start:   01.12.26 06:00",
                                               "",
                                               "Statistik Stop:   07.12.26 18:00",
                                               "",
                                               "Summe der Außenrufe:   22",
                                               ""};
    EXPECT_EQ(BuildCoverSheet(s), expected);
}

TEST(CoverSheet, PeriodFields) {
    const struct {
        std::string line2, line5, stop, start;
    } cases[] = {
        {"0123456789ABCDE;", "x;0123456789ABCDE;", "0123456789ABCDE", "0123456789ABCDE"},
        {"0123456789ABCDEF;", "x;0123456789ABCDEF;", "0123456789ABCDE", "0123456789ABCDE"},
        {";", "x;;", "", ""},
        {"ohne Semikolon", "ohne", "ohne Semikolon", ""}, // malformed headers: no crash
        {"", "x;bis zum Ende", "", "bis zum Ende"},
        {"M\xE4rz;", "x;M\xE4rz;", "M\xE4rz", "M\xE4rz"},
    };
    for (const auto& c : cases) {
        StatisticsStore s;
        s.HeaderLines[2] = c.line2;
        s.HeaderLines[5] = c.line5;
        EXPECT_EQ(PeriodStopOf(s), c.stop) << c.line2;
        EXPECT_EQ(PeriodStartOf(s), c.start) << c.line5;
    }
    StatisticsStore s;
    s.HeaderLines[2] = "M\xE4rz;";
    EXPECT_EQ(BuildCoverSheet(s)[12], "Statistik Stop:   März"); // decoded for display
    EXPECT_EQ(BuildCoverSheet(s)[8], "Anzahl Stockwerke: 0");
    EXPECT_EQ(BuildCoverSheet(s)[14], "Summe der Außenrufe:   0");
    EXPECT_EQ(BuildCoverSheet(s)[10], "Statistik Start:   ");
}

TEST(CoverSheet, TotalBeyond32BitsAndLongFileName) {
    StatisticsStore s;
    s.FloorCount = 1;
    for (int g = 0; g < kCallGroups; ++g)
        s.CallStat[g][0][1] = INT32_MAX;
    EXPECT_EQ(CallTotalOf(s), 4LL * INT32_MAX);
    s.FileName = "/" + std::string(254, 'x');
    const std::string line = BuildCoverSheet(s)[6];
    EXPECT_EQ(line.size(), 255u);
    EXPECT_EQ(line.substr(0, 8), "Datei: /");
}
