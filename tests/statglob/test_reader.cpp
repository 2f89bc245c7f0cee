// Reading statistics files into the store.
#include "statglob/errors.h"
#include "statglob/reader.h"
#include "statglob/text.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

namespace {

// Cells of the two-floor example: every kind of field, both floors, hours and travel.
void ExpectWorkedExample(const StatisticsStore& s) {
    ASSERT_EQ(s.FloorCount, 2);
    // clang-format off
    const std::vector<std::int32_t> got = {
        s.WaitSum[ADown][1], s.CallStat[ADown][0][1], s.CallStat[ADown][2][1], s.WaitSum[BDown][1],
        s.CallStat[BDown][2][1], s.WaitSum[AUp][1], s.CallStat[AUp][1][1], s.WaitSum[BUp][1],
        s.CallStat[BUp][1][1], s.CallStat[BDown][0][2], s.WaitSum[AUp][2], s.CallStat[AUp][0][2],
        s.HourDown[8][1], s.HourDown[17][1], s.HourUp[8][1], s.HourUp[18][1], s.HourDown[10][2],
        s.HourUp[9][2], s.HourDown[1][1] + s.HourUp[24][2] + s.HourDown[0][1],
        s.TravelCount[ShaftA], s.TravelCount[ShaftB], s.TravelCount[ShaftD]};
    // clang-format on
    EXPECT_EQ(got, (std::vector<std::int32_t>{350, 7, 3, 120, 2, 410, 5, 90, 2,    5,    610,
                                              12,  4, 3, 5,   2, 5,   6, 0,  1520, 1388, 0}));
    EXPECT_EQ(s.HeaderLines[2], "07.12.26 18:00;Stop");
}

std::string WithHeader(std::vector<std::string> body, const std::string& firstHeader = "Kopf") {
    auto lines = HeaderLines();
    lines[0] = firstHeader;
    lines.insert(lines.end(), body.begin(), body.end());
    return JoinLines(lines);
}

} // namespace

TEST(Reader, WorkedExampleInEveryLayout) {
    const std::string full = WorkedExampleFile();
    auto odd = WorkedExampleBody();
    odd[0] = odd[0].substr(1);       // floor line beginning with ';'
    odd[1] = "X" + odd[1].substr(1); // character 1 of an hour line is passed over
    odd[2] = "Etage 2;" + odd[2].substr(2);
    const struct {
        const char* name;
        std::string bytes;
        const char* lastLine;
        const char* file = "stat.csv";
    } cases[] = {
        {"CR LF", full, "any text"},
        // On Windows the UTF-8 path must reach the file system as UTF-16.
        {"umlauts and a blank in the path", full, "any text", "Prüfung/Bürohaus Süd.csv"},
        {"CR only", WorkedExampleFile(true, "\r"), "any text"},
        {"without the last line", WorkedExampleFile(false), ""},
        {"without the last line end", full.substr(0, full.size() - 2), "any text"},
        {"Ctrl-Z ends the file", full + "\x1A" + "9;9;\r\n9;\r\n", "any text"},
        {"Ctrl-Z inside the last line", WorkedExampleFile(false) + "any\x1Atext\r\n", "any"},
        {"odd first fields", WithHeader(odd), "any text"},
        {"an editor's byte-order mark before the header", "\xEF\xBB\xBF" + full, "any text"},
        {"lone LF inside a header line", WithHeader(WorkedExampleBody(), "Kopf\nmit LF"),
         "any text"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        StatisticsStore s;
        LoadStatisticsFile(s, dir.write(c.file, c.bytes));
        ExpectWorkedExample(s);
        EXPECT_EQ(s.HourLines[3], c.lastLine);
    }
}

TEST(Reader, TravelLineOnlyLongLinesAndStaleEntries) {
    TempDir dir;
    StatisticsStore s;
    LoadStatisticsFile(s, dir.write("a.csv", WithHeader({";7;8;9;10;"})));
    EXPECT_EQ(s.FloorCount, 0);
    EXPECT_EQ(s.TravelCount, (std::array<std::int32_t, 4>{7, 8, 9, 10}));
    // Positions are counted wide: values beyond character 255 are read.
    LoadStatisticsFile(s, dir.write("b.csv", UniformFile(2, 1000000000)));
    ASSERT_GT(s.HourLines[1].size(), 255u);
    EXPECT_EQ(s.HourUp[24][2], 1000000000);
    // A smaller file after a larger one leaves the entries beyond its floors as they were.
    LoadStatisticsFile(s, dir.write("c.csv", UniformFile(12, 7)));
    LoadStatisticsFile(s, dir.write("d.csv", WorkedExampleFile()));
    ExpectWorkedExample(s);
    EXPECT_EQ(s.CallStat[ADown][0][3], 7); // floor 3 of the first file, never read again
}

TEST(Reader, FolderOfThePathAndLongPaths) {
    StatisticsStore s;
    EXPECT_STREQ(IoError(1001).what(), "I/O-Fehler 1001");
    const std::pair<const char*, const char*> folders[] = {
        {"/home/anna/stat/a.csv", "/home/anna/stat"}, {"/a.csv", "/"},        {"a.csv", ""},
#ifdef _WIN32
        {"C:\\daten\\stat.csv", "C:\\daten"},         {"C:\\stat.csv", "C:"},
#else
        {"C:\\daten\\stat.csv", ""}, // a backslash is an ordinary character here
#endif
    };
    for (const auto& [path, folder] : folders)
        EXPECT_EQ(FolderOf(path), folder) << path;
    const std::string longPath = "/" + std::string(300, 'd') + "/x.csv";
    EXPECT_THROW(LoadStatisticsFile(s, longPath), IoError);
    EXPECT_EQ(s.FileName.size(), 0u); // the name goes with the figures, which stay
    EXPECT_EQ(s.LastDir.str(), longPath.substr(0, 255));
}
