// Reading statistics files into the store.
#include "errors.h"
#include "reader.h"
#include "testfiles.h"

#include <gtest/gtest.h>

namespace {

void ExpectWorkedExample(const StatisticsStore& s) {
    ASSERT_EQ(s.FloorCount, 2);
    // Floor 1: blocks in file order A down, B down, A up, B up.
    EXPECT_EQ(s.WaitSum[ADown][1], 350);
    EXPECT_EQ(s.WaitSum[BDown][1], 120);
    EXPECT_EQ(s.WaitSum[AUp][1], 410);
    EXPECT_EQ(s.WaitSum[BUp][1], 90);
    const int aDown[5] = {7, 4, 3, 0, 0}, bDown[5] = {3, 1, 2, 0, 0}, aUp[5] = {9, 5, 4, 0, 0},
              bUp[5] = {2, 2, 0, 0, 0};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(s.CallStat[ADown][r][1], aDown[r]) << r;
        EXPECT_EQ(s.CallStat[BDown][r][1], bDown[r]) << r;
        EXPECT_EQ(s.CallStat[AUp][r][1], aUp[r]) << r;
        EXPECT_EQ(s.CallStat[BUp][r][1], bUp[r]) << r;
    }
    // Floor 2.
    EXPECT_EQ(s.WaitSum[ADown][2], 0);
    EXPECT_EQ(s.WaitSum[BDown][2], 250);
    EXPECT_EQ(s.CallStat[BDown][0][2], 5);
    EXPECT_EQ(s.CallStat[BDown][2][2], 2);
    EXPECT_EQ(s.WaitSum[AUp][2], 610);
    EXPECT_EQ(s.CallStat[AUp][0][2], 12);
    EXPECT_EQ(s.CallStat[BUp][0][2], 0);
    // Hours: row h+1 holds hour h.
    for (int r = 0; r <= 24; ++r) {
        const int down1 = r == 8 ? 4 : r == 9 ? 3 : r == 17 ? 3 : 0;
        const int up1 = r == 8 ? 5 : r == 13 ? 4 : r == 18 ? 2 : 0;
        EXPECT_EQ(s.HourDown[r][1], down1) << r;
        EXPECT_EQ(s.HourUp[r][1], up1) << r;
        EXPECT_EQ(s.HourDown[r][2], r == 10 ? 5 : 0) << r;
        EXPECT_EQ(s.HourUp[r][2], r == 8 || r == 9 ? 6 : 0) << r;
        EXPECT_EQ(s.HourDown[r][0], 0);
    }
    EXPECT_EQ(s.TravelCount[ShaftA], 1520);
    EXPECT_EQ(s.TravelCount[ShaftB], 1388);
    EXPECT_EQ(s.TravelCount[ShaftC], 0);
    EXPECT_EQ(s.TravelCount[ShaftD], 0);
    EXPECT_EQ(s.HeaderLines[2], "07.12.26 18:00;Stop");
    EXPECT_EQ(s.FloorLines[3], "-;1520;1388;0;0;");
}

std::string Load(StatisticsStore& s, const TempDir& dir, const std::string& bytes) {
    const std::string path = dir.write("stat.csv", bytes);
    LoadStatisticsFile(s, path);
    return path;
}

std::string LoadError(StatisticsStore& s, const TempDir& dir, const std::string& bytes) {
    try {
        Load(s, dir, bytes);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(Reader, WorkedExampleInEveryLayout) {
    const struct {
        const char* name;
        std::string bytes;
        const char* lastHourLine;
    } cases[] = {
        {"CR LF", WorkedExampleFile(true, "\r\n"), "any text"},
        {"CR only", WorkedExampleFile(true, "\r"), "any text"},
        {"CR LF, no last line", WorkedExampleFile(false, "\r\n"), ""},
        {"CR only, no last line", WorkedExampleFile(false, "\r"), ""},
        {"no line end at the end",
         WorkedExampleFile(true).substr(0, WorkedExampleFile().size() - 2), "any text"},
        {"Ctrl-Z ends the file", WorkedExampleFile(true) + "\x1A" + "9;9;9;\r\n9;9;\r\n",
         "any text"},
        {"Ctrl-Z inside the last line", WorkedExampleFile(false) + "any\x1Atext\r\n", "any"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        StatisticsStore s;
        Load(s, dir, c.bytes);
        ExpectWorkedExample(s);
        EXPECT_EQ(s.HourLines[3], c.lastHourLine);
    }
}

TEST(Reader, LoneLfIsPartOfTheLine) {
    TempDir dir;
    StatisticsStore s;
    auto lines = HeaderLines();
    lines[0] = "Kopf\nmit LF";
    for (auto& l : WorkedExampleBody())
        lines.push_back(l);
    Load(s, dir, JoinLines(lines));
    EXPECT_EQ(s.HeaderLines[1], "Kopf\nmit LF");
    ExpectWorkedExample(s);
}

TEST(Reader, HeaderAndTravelLineOnly) {
    TempDir dir;
    StatisticsStore s;
    auto lines = HeaderLines();
    lines.push_back(";7;8;9;10;");
    Load(s, dir, JoinLines(lines));
    EXPECT_EQ(s.FloorCount, 0);
    EXPECT_EQ(s.TravelCount, (std::array<std::int32_t, 4>{7, 8, 9, 10}));
    EXPECT_EQ(s.CallStat[ADown][0][1], 0);
}

TEST(Reader, FirstFieldsAreSkippedWhateverTheyHold) {
    TempDir dir;
    StatisticsStore s;
    auto body = WorkedExampleBody();
    body[0] = body[0].substr(1);       // floor line begins with ';'
    body[1] = "X" + body[1].substr(1); // hour line: character 1 is passed over
    body[2] = "Etage 2 lang;" + body[2].substr(2);
    auto lines = HeaderLines();
    lines.insert(lines.end(), body.begin(), body.end());
    Load(s, dir, JoinLines(lines));
    ExpectWorkedExample(s);
}

TEST(Reader, ValuesBeyondCharacter255AreRead) {
    TempDir dir;
    StatisticsStore s;
    Load(s, dir, UniformFile(2, 1000000000));
    ASSERT_GT(s.HourLines[1].size(), 255u);
    EXPECT_EQ(s.HourUp[24][2], 1000000000);
    EXPECT_EQ(s.CallStat[BUp][4][2], 1000000000);
}

TEST(Reader, RefusesWhatTheTablesCannotHold) {
    auto headerOnly = HeaderLines();
    const struct {
        const char* name;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"41 floors", UniformFile(41),
         "Die Datei enthält 41 Etagen; höchstens 40 werden unterstützt."},
        {"60 floors", UniformFile(60),
         "Die Datei enthält 60 Etagen; höchstens 40 werden unterstützt."},
        {"header only", JoinLines(headerOnly), "Die Datei enthält keine Etagendaten."},
        {"5 lines", JoinLines({"a", "b", "c", "d", "e"}), "Die Datei enthält keine Etagendaten."},
        {"empty", "", "Die Datei enthält keine Etagendaten."},
        {"bad field", WorkedExampleFile().replace(WorkedExampleFile().find("250;"), 3, "2x0"),
         "'2x0' ist kein gültiger Integerwert"},
        {"extra line after the trailer", WorkedExampleFile() + "noch eine\r\n",
         "'' ist kein gültiger Integerwert"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        StatisticsStore s;
        Load(s, dir, UniformFile(40, 3)); // a previous file
        const StatisticsStore before = s;
        EXPECT_EQ(LoadError(s, dir, c.bytes), c.message);
        // The previous figures stay whole; only the name and folder moved on.
        EXPECT_EQ(s.FloorCount, 40);
        EXPECT_EQ(s.CallStat, before.CallStat);
        EXPECT_EQ(s.HourUp, before.HourUp);
        EXPECT_EQ(s.TravelCount, before.TravelCount);
        EXPECT_EQ(s.FloorLines, before.FloorLines);
        EXPECT_EQ(s.HeaderLines, before.HeaderLines);
        EXPECT_EQ(s.FileName, dir.file("stat.csv"));
    }
}

TEST(Reader, SmallerFileAfterLargerKeepsStaleEntriesBeyondItsFloors) {
    TempDir dir;
    StatisticsStore s;
    Load(s, dir, UniformFile(12, 7));
    Load(s, dir, WorkedExampleFile());
    ExpectWorkedExample(s);
    EXPECT_EQ(s.CallStat[ADown][0][3], 7); // floor 3 of the first file, never read again
    EXPECT_EQ(s.CallStat[ADown][0][13], 0);
}

TEST(Reader, AfterReadRunsBetweenReadingAndParsing) {
    TempDir dir;
    StatisticsStore s;
    int calls = 0;
    const std::string bad =
        dir.write("bad.csv", UniformFile(2).replace(UniformFile(2).rfind("1;"), 1, "z"));
    EXPECT_THROW(LoadStatisticsFile(s, bad, [&] { ++calls; }), ConversionError);
    EXPECT_EQ(calls, 1); // buttons are set even when the parse fails
    EXPECT_THROW(LoadStatisticsFile(s, dir.file("missing.csv"), [&] { ++calls; }), IoError);
    EXPECT_EQ(calls, 1);
}

TEST(Reader, FileSystemErrorsCarryTheRuntimeCode) {
    TempDir dir;
    StatisticsStore s;
    const struct {
        std::string path;
        int code;
        const char* text;
    } cases[] = {
        {dir.file("missing.csv"), 2, "Datei nicht gefunden"},
        {dir.path().string(), 5, "Dateizugriff verweigert"}, // a folder chosen as the file
        {dir.file("missing/x.csv"), 2, "Datei nicht gefunden"},
        {"", 2, "Datei nicht gefunden"},
    };
    for (const auto& c : cases) {
        try {
            LoadStatisticsFile(s, c.path);
            ADD_FAILURE() << c.path;
        } catch (const IoError& e) {
            EXPECT_EQ(e.code(), c.code) << c.path;
            EXPECT_STREQ(e.what(), c.text) << c.path;
        }
        EXPECT_EQ(s.FileName, c.path);
    }
    EXPECT_EQ(IoError(1001).what(), std::string("I/O-Fehler 1001"));
    EXPECT_EQ(IoError(101).what(), std::string("Kapazität der Diskette/Festplatte erschöpft"));
}

TEST(Reader, LastDirIsTheFolderOfThePath) {
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {
        {"/home/anna/stat/a.csv", "/home/anna/stat"},
        {"/a.csv", "/"},
        {"a.csv", ""},
        {"rel/a.csv", "rel"},
#ifdef _WIN32
        {"C:\\daten\\stat.csv", "C:\\daten"},
        {"C:\\stat.csv", "C:"},
#else
        {"C:\\daten\\stat.csv", ""}, // a backslash is an ordinary character here
#endif
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;

    StatisticsStore s;
    const std::string longPath = "/" + std::string(300, 'd') + "/x.csv";
    EXPECT_THROW(LoadStatisticsFile(s, longPath), IoError);
    EXPECT_EQ(s.FileName.size(), 255u);
    EXPECT_EQ(s.LastDir.str(), longPath.substr(0, 255));
}
