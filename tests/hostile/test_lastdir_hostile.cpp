// The last-directory file under hostile conditions: folders, pipes and devices in its place, a
// folder that refuses writing, a full disk, two programs closing at once. A write either
// completes or leaves the old file.
#include "statglob/errors.h"
#include "statglob/lastdir.h"
#include "statglob/text.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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
    fs::create_directory(dir.file("folder.sta"));
    ASSERT_EQ(mkfifo(dir.file("fifo.sta").c_str(), 0600), 0);
    fs::create_symlink(dir.file("fifo.sta"), dir.file("link.sta")); // never one to a real device
    const std::string denied = "Dateizugriff verweigert";
    // Anything but a regular file in its place is left alone, and the message names it.
    const std::pair<std::string, std::string> refused[] = {
        {dir.file("folder.sta"), denied + " (ein Ordner, keine Datei)"},
        {dir.file("fifo.sta"), denied + " (keine gewöhnliche Datei)"},
        {dir.file("link.sta"), denied + " (keine gewöhnliche Datei)"},
        {path + "/sub/default.sta", "Ungültiger Dateiname (ein Teil des Pfades ist kein Ordner)"},
    };
    for (const auto& [target, text] : refused) {
        const std::string named =
            target.find("/sub/") == std::string::npos ? target : path + "/sub";
        EXPECT_EQ(Write(target, "/neu"), text + ": „" + named + "“");
    }
    EXPECT_EQ(ReadBytes(path), "/alt");
    EXPECT_TRUE(fs::is_empty(dir.file("folder.sta")));
    EXPECT_TRUE(fs::is_fifo(dir.file("fifo.sta")) && fs::is_symlink(dir.file("link.sta")));
    EXPECT_EQ(Entries(dir.path()), 4);
    if (geteuid() == 0)
        return; // a folder without write permission does not refuse root
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(Write(path, "/neu"), denied + ": „" + path + "“");
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(ReadBytes(path), "/alt");
    EXPECT_EQ(Entries(dir.path()), 4);
}

TEST(LastDirAtomic, NewFileTakesTheNameOrTheOldFileStays) {
    // A second name of the old file keeps the old text: it was replaced, never rewritten.
    TempDir dir;
    const std::string path = dir.write("default.sta", "/alt");
    fs::create_hard_link(path, dir.file("link"));
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
        _exit(Write(path, std::string(255, 'n')) ==
              "Kapazität der Diskette/Festplatte erschöpft (Datei zu groß): „" + path + "“");
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "not the message of a full disk";
    EXPECT_EQ(ReadBytes(path), written);
    EXPECT_EQ(Entries(dir.path()), 2);
}

TEST(LastDirAtomic, TwoProgramsClosingAtOnceLeaveOneFolderNeverAMix) {
    TempDir dir;
    const std::string path = dir.file("default.sta");
    const std::string folders[] = {"/" + std::string(200, 'a'), "/" + std::string(120, 'b')};
    WriteLastDir(path, folders[0]);
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = fork();
        ASSERT_NE(writers[w], -1);
        if (writers[w] == 0) {
            int failed = 0;
            for (int i = 0; i < 400; ++i)
                failed += Write(path, folders[w]).empty() ? 0 : 1;
            _exit(failed == 0 ? 0 : 1);
        }
    }
    // Read while both write: every read finds one folder whole.
    int running = 2, reads = 0;
    std::vector<std::string> seen;
    while (running > 0) {
        for (pid_t& w : writers) {
            int status = 0;
            if (w > 0 && waitpid(w, &status, WNOHANG) == w) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a write failed";
                w = 0;
                --running;
            }
        }
        try {
            const std::string folder = ReadLastDir(path);
            if (folder != folders[0] && folder != folders[1])
                seen.push_back(folder);
        } catch (const IoError& e) {
            seen.push_back(e.what());
        }
        ++reads;
    }
    EXPECT_EQ(seen, std::vector<std::string>()) << "of " << reads << " reads";
    const std::string last = ReadBytes(path);
    EXPECT_TRUE(last == folders[0] || last == folders[1]) << last;
    EXPECT_EQ(Entries(dir.path()), 1); // no temporary file left
}
