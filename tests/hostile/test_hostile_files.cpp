// Damaged and hostile statistics files: each gives its exact message, or loads, and a failed
// load leaves the previous figures as they were.
#include "errors.h"
#include "hostile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kNoFloors = "Die Datei enthält keine Etagendaten.";

std::string TooManyFloors(int floors) {
    return "Die Datei enthält " + std::to_string(floors) +
           " Etagen; höchstens 40 werden unterstützt.";
}

std::string NotAnInteger(const std::string& shown) {
    return "'" + shown + "' ist kein gültiger Integerwert";
}

std::string Lines(int n) {
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i)
        lines.push_back("Zeile " + std::to_string(i));
    return JoinLines(lines);
}

// Every byte value in turn: the first CR ends line 1, the first Ctrl-Z the file.
std::string EveryByte(int rounds) {
    std::string bytes;
    for (int r = 0; r < rounds; ++r)
        for (int b = 0; b < 256; ++b)
            bytes += static_cast<char>(b);
    return bytes;
}

struct FileCase {
    const char* name;
    std::string bytes;
    std::string message; // empty: the file loads
    int floors;          // FloorCount after a successful load
};

} // namespace

TEST(HostileFiles, ExactOutcomeAndPreviousFiguresKept) {
    const std::string header = JoinLines(HeaderLines());
    const std::string tenMegabytes(10 << 20, '7');
    std::vector<std::string> lines = HeaderLines();
    for (const std::string& l : WorkedExampleBody())
        lines.push_back(l);
    lines[kHour1Line] = ";";
    for (int v = 0; v < 30; ++v)
        lines[kHour1Line] += "0;";
    const std::string hourLineCut = JoinLines(lines);
    const FileCase cases[] = {
        {"empty file", "", kNoFloors, 0},
        {"1 line", Lines(1), kNoFloors, 0},
        {"5 lines", Lines(5), kNoFloors, 0},
        {"8 lines", Lines(8), kNoFloors, 0},
        {"8 lines, the last without line end", header.substr(0, header.size() - 2), kNoFloors, 0},
        {"9 lines: header and travel line", header + "-;1;2;3;4;\r\n", "", 0},
        {"40 floors", UniformFile(40), "", 40},
        {"41 floors", UniformFile(41), TooManyFloors(41), 0},
        {"60 floors", UniformFile(60), TooManyFloors(60), 0},
        // An 8-bit pair counter would wrap here and see no floors at all.
        {"256 floors", UniformFile(256), TooManyFloors(256), 0},
        {"10 MB in one line", tenMegabytes, kNoFloors, 0},
        {"10 MB value in a floor line", WorkedExampleWith(kFloor1Line, 2, tenMegabytes),
         NotAnInteger(std::string(255, '7') + "…"), 0},
        {"10 MB first field of a floor line", WorkedExampleWith(kFloor1Line, 0, tenMegabytes), "",
         2},
        {"binary junk: every byte value", EveryByte(64), kNoFloors, 0},
        {"binary junk in the values", header + "\x01\xFF;\x80\x81;\x02;\r\n;\r\n-;1;2;3;4;\r\n",
         NotAnInteger("€\u0081"), 0},
        {"NUL inside a value",
         WorkedExampleWith(kFloor1Line, 2,
                           std::string("7\0"
                                       "1",
                                       3)),
         NotAnInteger("7?1"), 0},
        {"NUL as a value", WorkedExampleWith(kHour1Line, 5, std::string(1, '\0')),
         NotAnInteger("?"), 0},
        {"NUL in the text before the first value",
         WorkedExampleWith(kFloor1Line, 0, std::string("\0\0", 2)), "", 2},
        {"Ctrl-Z right after the header", header + "\x1A" + WorkedExampleFile(), kNoFloors, 0},
        {"lone LF line ends: one long line", WorkedExampleFile(true, "\n"), kNoFloors, 0},
        {"a travel line without values", header + "-\r\n", NotAnInteger(""), 0},
        {"hour line cut after 30 values", hourLineCut, NotAnInteger(""), 0},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.write("stat.csv", c.bytes);
        const Attempt a = LoadOver(path);
        ExpectOutcome(a, path, c.message);
        if (c.message.empty()) {
            EXPECT_EQ(a.after.FloorCount, c.floors);
        }
    }
}

TEST(HostileFiles, FileSystemRefusals) {
    TempDir dir;
    const std::string vanished = dir.write("vanished.csv", WorkedExampleFile());
    std::filesystem::remove(vanished); // chosen in the dialog, gone before the open
    const std::string notAFolder = dir.write("plain.csv", WorkedExampleFile()) + "/stat.csv";
    std::filesystem::create_directory(dir.file("folder.csv"));
    ASSERT_EQ(mkfifo(dir.file("fifo.csv").c_str(), 0600), 0); // would block an open for reading
    const struct {
        const char* name;
        std::string path;
        std::string message;
    } cases[] = {
        {"a folder chosen as the file", dir.file("folder.csv"), "Dateizugriff verweigert"},
        {"the file vanished before the open", vanished, "Datei nicht gefunden"},
        {"a file taken for a folder", notAFolder, "Ungültiger Dateiname"},
        {"a name longer than the system allows", dir.file(std::string(300, 'n') + ".csv"),
         "Ungültiger Dateiname"},
        {"a named pipe", dir.file("fifo.csv"), "Dateizugriff verweigert"},
        {"a device without end", "/dev/zero", "Dateizugriff verweigert"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectOutcome(LoadOver(c.path), c.path, c.message);
    }
}

TEST(HostileFiles, FileWithoutReadPermission) {
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root: file permissions do not refuse root, so no refusal "
                        "can be provoked";
    TempDir dir;
    const std::string path = dir.write("locked.csv", WorkedExampleFile());
    std::filesystem::permissions(path, std::filesystem::perms::none);
    ExpectOutcome(LoadOver(path), path, "Dateizugriff verweigert");
}

TEST(HostileFiles, FailedLoadThenGoodLoad) {
    // A failure half-way must not leave the reader unable to open the next file.
    TempDir dir;
    StatisticsStore s = PreviousStore();
    const std::string bad = dir.write("bad.csv", WorkedExampleWith(kHour1Line, 47, "x"));
    EXPECT_EQ(RunLoadPath(s, bad).error, NotAnInteger("x"));
    const std::string good = dir.write("good.csv", WorkedExampleFile());
    const LoadPathResult r = RunLoadPath(s, good);
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(s.FloorCount, 2);
    EXPECT_EQ(s.TravelCount[ShaftA], 1520);
    EXPECT_EQ(r.charts.size(), kAllCharts.size());
}
