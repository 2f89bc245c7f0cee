// The last-directory file under hostile conditions: odd contents, folders in its place, a
// folder that refuses writing, a full disk. A write either completes or leaves the old file.
#include "errors.h"
#include "lastdir.h"
#include "loadpath.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string ReadOutcome(const std::string& path) {
    try {
        return ReadLastDir(path);
    } catch (const IoError& e) {
        return std::string("IoError: ") + e.what();
    }
}

std::string WriteOutcome(const std::string& path, const std::string& folder) {
    try {
        WriteLastDir(path, folder);
        return "";
    } catch (const IoError& e) {
        return e.what();
    }
}

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

// The names in a folder, to see that nothing was left behind.
std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(LastDirHostile, ReadingOddContents) {
    TempDir dir;
    fs::create_directory(dir.file("folder.sta"));
    const struct {
        const char* name;
        std::string path;
        std::string outcome;
    } cases[] = {
        {"a 10 000-character first line", dir.write("long.sta", std::string(10000, 'd') + "\r\nx"),
         std::string(255, 'd')},
        {"a 10 000-character line without line end",
         dir.write("long2.sta", std::string(10000, 'e')), std::string(255, 'e')},
        // 255 bytes would end inside the 128th 'ä': the cut goes before it.
        {"a long line of two-byte characters", dir.write("umlaut.sta", Repeat("ä", 5000)),
         Repeat("ä", 127)},
        {"binary junk", dir.write("junk.sta", std::string("/a\x01\xFF\r\n\x1A", 7)), "/a\x01\xFF"},
        {"a folder in place of the file", dir.file("folder.sta"),
         "IoError: Dateizugriff verweigert"},
        {"no file", dir.file("none.sta"), "IoError: Datei nicht gefunden"},
        {"a file taken for a folder", dir.write("plain", "x") + "/default.sta",
         "IoError: Ungültiger Dateiname"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadOutcome(c.path), c.outcome) << c.name;
}

TEST(LastDirHostile, WritingRefusedLeavesNothingBehind) {
    TempDir dir;
    fs::create_directory(dir.file("folder.sta"));
    dir.write("plain", "x");
    const struct {
        const char* name;
        std::string path;
        std::string message;
    } cases[] = {
        {"a folder in place of the file", dir.file("folder.sta"), "Dateizugriff verweigert"},
        {"a file in place of the folder", dir.file("plain/default.sta"), "Ungültiger Dateiname"},
        {"a file in place of a folder to create", dir.file("plain/sub/default.sta"),
         "Ungültiger Dateiname"},
    };
    const auto before = Names(dir.path());
    for (const auto& c : cases) {
        EXPECT_EQ(WriteOutcome(c.path, "/home/anna"), c.message) << c.name;
        EXPECT_EQ(Names(dir.path()), before) << c.name;
    }
    EXPECT_TRUE(fs::is_directory(dir.file("folder.sta")));
    EXPECT_TRUE(fs::is_empty(dir.file("folder.sta")));
    EXPECT_EQ(ReadBytes(dir.file("plain")), "x");
}

TEST(LastDirHostile, UnwritableFolder) {
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root: a folder without write permission does not refuse root";
    TempDir dir;
    const std::string path = dir.write("default.sta", "/alt");
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(WriteOutcome(path, "/neu"), "Dateizugriff verweigert");
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(ReadBytes(path), "/alt");
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"default.sta"});
}

TEST(LastDirHostile, LongFolderIsCutOnACharacter) {
    TempDir dir;
    const std::string path = dir.file("default.sta");
    const struct {
        std::string folder;
        std::string written;
    } cases[] = {
        {std::string(10000, 'f'), std::string(255, 'f')},
        {"/" + Repeat("ö", 5000), "/" + Repeat("ö", 127)},
        {Repeat("ö", 5000), Repeat("ö", 127)}, // 255 bytes would split an 'ö'
    };
    for (const auto& c : cases) {
        ASSERT_EQ(WriteOutcome(path, c.folder), "");
        EXPECT_EQ(ReadBytes(path), c.written);
        EXPECT_TRUE(IsValidUtf8(ReadLastDir(path)));
    }
}

TEST(LastDirAtomic, ReplacesTheFileInsteadOfRewritingIt) {
    // A second name for the old file keeps the old text: the new text went into a new file
    // that took the name over, never into the old one, so no reader sees it half-written.
    TempDir dir;
    const std::string path = dir.write("default.sta", "/alt/ordner");
    fs::create_hard_link(path, dir.file("link"));
    ASSERT_EQ(WriteOutcome(path, "/neu"), "");
    EXPECT_EQ(ReadBytes(path), "/neu");
    EXPECT_EQ(ReadBytes(dir.file("link")), "/alt/ordner");
    EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"default.sta", "link"}));
}

TEST(LastDirAtomic, TemporaryFileThatCannotBeMadeKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.write("default.sta", "/alt");
    fs::create_directory(path + ".tmp"); // the temporary name is taken by a folder
    EXPECT_EQ(WriteOutcome(path, "/neu"), "Dateizugriff verweigert");
    EXPECT_EQ(ReadBytes(path), "/alt");
    EXPECT_TRUE(fs::is_directory(path + ".tmp"));
}

TEST(LastDirAtomic, StaleTemporaryFileIsReplaced) {
    // Left over from a run that crashed while writing.
    TempDir dir;
    const std::string path = dir.write("default.sta", "/alt");
    dir.write("default.sta.tmp", std::string(100, 'x'));
    ASSERT_EQ(WriteOutcome(path, "/neu"), "");
    EXPECT_EQ(ReadBytes(path), "/neu");
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"default.sta"});
}

TEST(LastDirAtomic, FullDiskMidWriteKeepsTheOldFile) {
    // A child process may write 100 bytes per file: the 255-byte folder fails half-way, as on
    // a full disk.
    TempDir dir;
    const std::string path = dir.write("default.sta", "/alt");
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            WriteLastDir(path, std::string(255, 'n'));
        } catch (const IoError& e) {
            _exit(e.code() & 0xFF);
        }
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 101);
    EXPECT_STREQ(IoError(101).what(), "Kapazität der Diskette/Festplatte erschöpft");
    EXPECT_EQ(ReadBytes(path), "/alt");
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"default.sta"});
}
