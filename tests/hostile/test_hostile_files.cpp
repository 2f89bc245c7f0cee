// Damaged and hostile statistics files: each gives its exact message or loads, a failed load
// keeps the previous figures, no load writes anything, and sums past 32 bits stay exact.
#include "charts/charts.h"
#include "tests/hostile/hostile.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kNoFloors = "Die Datei enthält keine Etagendaten.";
const std::string kDenied = "Dateizugriff verweigert";

const std::string kTooMany =
    "Die Datei enthält mehr als 40 Etagen; höchstens 40 werden unterstützt.";

// A file error's message: the runtime's text, then the file.
std::string Named(const std::string& text, const std::string& path) {
    return text + ": „" + path + "“";
}

std::string NotAnInteger(const std::string& shown) {
    return "'" + shown + "' ist kein gültiger Integerwert.";
}

// Every entry under `root` with its time of change and a hash of its contents.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> entries;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        std::error_code ec; // a link to itself has no status
        entries[e.path().string()] =
            std::to_string(fs::symlink_status(e.path()).type() == fs::file_type::symlink
                               ? 0
                               : e.last_write_time().time_since_epoch().count()) +
            " " +
            std::to_string(std::hash<std::string>()(
                e.is_regular_file(ec) ? ReadBytes(e.path().string()) : ""));
    }
    return entries;
}

const ChartModel& Chart(const LoadPathResult& r, ChartId id) {
    return r.charts.at(IndexOf(id));
}

} // namespace

TEST(HostileFiles, ExactOutcomeAndNothingWritten) {
    TempDir root;
    for (const char* sub : {"home/.config", "tmp", "work", "folder.csv"})
        fs::create_directories(root.path() / sub);
    int n = 0;
    const auto file = [&](const std::string& bytes) {
        return root.write(std::to_string(++n) + ".csv", bytes);
    };
    const auto with = [&](std::size_t line, std::size_t field, const std::string& text) {
        return file(WorkedExampleWith(line, field, text));
    };
    const std::string tenMegabytes(10 << 20, '7');
    std::string junk; // every byte value: the first CR ends line 1, the first Ctrl-Z the file
    for (int i = 0; i < 256 * 64; ++i)
        junk += static_cast<char>(i);
    const std::string vanished = file(WorkedExampleFile());
    fs::remove(vanished); // chosen in the dialog, gone before the open
    ASSERT_EQ(mkfifo(root.file("fifo.csv").c_str(), 0600), 0); // would block an open for reading
    const std::string locked = file(WorkedExampleFile());
    fs::permissions(locked, fs::perms::none); // which does not refuse root
    const std::string inFile = file("x") + "/stat.csv";
    const std::string longName = root.file(std::string(300, 'n') + ".csv");
    const std::string notRegular = kDenied + " (keine gewöhnliche Datei)";
    fs::create_symlink("loop.csv", root.file("loop.csv")); // a link to itself
    const struct {
        const char* name;
        std::string path;
        std::string message; // empty: the file loads
    } cases[] = {
        {"empty file", file(""), kNoFloors},
        {"1 line", file("x\r\n"), kNoFloors},
        {"8 lines", file(JoinLines(std::vector<std::string>(8, "x"))), kNoFloors},
        {"41 floors", file(UniformFile(41)), kTooMany},
        {"256 floors: an 8-bit counter would see none", file(UniformFile(256)), kTooMany},
        {"10 MB in one line", file(tenMegabytes), kNoFloors},
        {"10 MB value", with(kFloor1Line, 2, tenMegabytes),
         "Die Datei enthält in Zeile 9 mehr als 65536 Zeichen."},
        {"64 KiB value", with(kFloor1Line, 2, std::string(65000, '7')),
         NotAnInteger(std::string(255, '7') + "…")},
        {"binary junk", file(junk), kNoFloors},
        {"NUL inside a value", with(kFloor1Line, 2, {'7', '\0', '1'}), NotAnInteger("7?1")},
        // A bad field's message names its file, line and field.
        {"bad field", root.write("feld.csv", WorkedExampleWith(10, 7, "2x0")),
         NotAnInteger("2x0") + "\nDatei feld.csv, Zeile 11, Feld 8"},
        {"bad hour value", root.write("stunde.csv", WorkedExampleWith(11, 10, "5x")),
         NotAnInteger("5x") + "\nDatei stunde.csv, Zeile 12, Feld 11"},
        {"a line after the trailer", root.write("rest.csv", WorkedExampleFile() + "noch eine\r\n"),
         NotAnInteger("") + "\nDatei rest.csv, Zeile 13, Feld 6"},
        {"2147483648", with(kFloor1Line, 2, "2147483648"), NotAnInteger("2147483648")},
        // A file error names the file, with the system's reason where the runtime's text hides it.
        {"a folder chosen as the file", root.file("folder.csv"),
         Named(kDenied + " (ein Ordner, keine Datei)", root.file("folder.csv"))},
        {"the file vanished before the open", vanished, Named("Datei nicht gefunden", vanished)},
        {"a file taken for a folder", inFile,
         Named("Ungültiger Dateiname (ein Teil des Pfades ist kein Ordner)", inFile)},
        {"a name too long", longName, Named("Ungültiger Dateiname (Name zu lang)", longName)},
        {"no read permission", locked, geteuid() == 0 ? "" : Named(kDenied, locked)},
        {"a named pipe", root.file("fifo.csv"), Named(notRegular, root.file("fifo.csv"))},
        {"a device without end", "/dev/zero", Named(notRegular, "/dev/zero")},
        {"a link to itself", root.file("loop.csv"),
         Named("I/O-Fehler 1040 (zu viele symbolische Verknüpfungen)", root.file("loop.csv"))},
        {"the reader still opens the next file", file(WorkedExampleFile()), ""},
    };
    const auto before = Snapshot(root.path());
    // The loads run in a child whose home, configuration, temporary and working folders are in
    // root, so that anything they wrote would show.
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        setenv("HOME", root.file("home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", root.file("home/.config").c_str(), 1);
        setenv("TMPDIR", root.file("tmp").c_str(), 1);
        fs::current_path(root.path() / "work");
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            try {
                ExpectLoad(c.path, c.message);
            } catch (const std::exception& e) {
                ADD_FAILURE() << e.what();
            }
        }
        _exit(testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a load failed, see above";
    EXPECT_EQ(Snapshot(root.path()), before);
}

TEST(WideSums, LargestAndSmallestValuesEverywhere) {
    for (const std::int64_t v : {std::int64_t{INT32_MAX}, std::int64_t{INT32_MIN}}) {
        TempDir dir;
        const LoadPathResult r =
            ExpectLoad(dir.write("w.csv", UniformFile(40, static_cast<int>(v))), "");
        const struct {
            ChartId id;
            std::int64_t sum;
        } sums[] = {
            {ChartId::count, 2 * v}, // down and up are two groups each
            {ChartId::count_hour, 40 * 2 * v},
            {ChartId::count_hour_ab, 40 * v},
            {ChartId::RufeZeitEt, 2 * v},
            {ChartId::w_time, 0}, // a wide sum over a wide number of calls, in whole seconds
            {ChartId::Verteil, 40 * 4 * v},
        };
        for (const auto& c : sums)
            for (const ChartSeries& s : Chart(r, c.id).series)
                for (double value : s.values)
                    EXPECT_EQ(value, static_cast<double>(c.sum)) << ChartOf(c.id).stem << " " << v;
        EXPECT_EQ(Chart(r, ChartId::Verteil).axisMax, 4.0 * 40 * 4 * v); // all four slices
    }
}
