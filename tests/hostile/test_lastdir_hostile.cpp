// The last-directory file under hostile conditions: folders in its place, a folder that refuses
// writing, a full disk. A write either completes or leaves the old file.
#include "statglob/errors.h"
#include "statglob/lastdir.h"
#include "statglob/text.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <iterator>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Empty, or the message of the IoError.
std::string Write(const std::string& path, const std::string& folder) {
    try {
        WriteLastDir(path, folder);
        return "";
    } catch (const IoError& e) {
        return e.what();
    }
}

// How many entries a folder holds: a refused or failed write leaves nothing behind.
long Entries(const fs::path& dir) {
    return std::distance(fs::directory_iterator(dir), fs::directory_iterator());
}

} // namespace

TEST(LastDirHostile, RefusedWriteLeavesEverythingAsItWas) {
    TempDir dir;
    const std::string path = dir.write("default.sta", "/alt");
    fs::create_directory(path + ".tmp"); // the temporary name is taken by a folder
    fs::create_directory(dir.file("folder.sta"));
    EXPECT_EQ(Write(path, "/neu"), "Dateizugriff verweigert");
    EXPECT_EQ(Write(dir.file("folder.sta"), "/neu"), "Dateizugriff verweigert");
    EXPECT_EQ(Write(path + "/sub/default.sta", "/neu"), "Ungültiger Dateiname"); // no folder made
    EXPECT_EQ(ReadBytes(path), "/alt");
    EXPECT_TRUE(fs::is_empty(dir.file("folder.sta")));
    EXPECT_TRUE(fs::is_empty(path + ".tmp"));
    EXPECT_EQ(Entries(dir.path()), 3);
    if (geteuid() == 0)
        return; // a folder without write permission does not refuse root
    fs::remove(path + ".tmp");
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(Write(path, "/neu"), "Dateizugriff verweigert");
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(ReadBytes(path), "/alt");
    EXPECT_EQ(Entries(dir.path()), 2);
}

TEST(LastDirAtomic, NewFileTakesTheNameOrTheOldFileStays) {
    // A second name of the old file keeps the old text: it was replaced, never rewritten. A
    // temporary file left by a crashed run does not stand in the way.
    TempDir dir;
    const std::string path = dir.write("default.sta", "/alt");
    fs::create_hard_link(path, dir.file("link"));
    dir.write("default.sta.tmp", std::string(100, 'x'));
    ASSERT_EQ(Write(path, Cp1252ToUtf8(std::string(10000, '\xF6'))), "");
    const std::string written = Cp1252ToUtf8(std::string(127, '\xF6')); // 255 bytes split an 'ö'
    EXPECT_EQ(ReadBytes(path), written);
    EXPECT_EQ(ReadBytes(dir.file("link")), "/alt");
    EXPECT_EQ(Entries(dir.path()), 2);
    // A child process may write 100 bytes per file: 255 bytes fail half-way, as on a full disk.
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(Write(path, std::string(255, 'n')) == "Kapazität der Diskette/Festplatte erschöpft");
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "not the message of a full disk";
    EXPECT_EQ(ReadBytes(path), written);
    EXPECT_EQ(Entries(dir.path()), 2);
}
