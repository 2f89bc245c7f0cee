// The last-directory file: what is written and read back, and where it lives.
#include "statglob/errors.h"
#include "statglob/lastdir.h"
#include "statglob/text.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

TEST(LastDirFile, WritesExactlyTheFolderAndReadsTheFirstLine) {
    TempDir dir;
    const std::string path = dir.file("sub/folder/default.sta"); // folders are created
    for (const std::string folder : {"/home/anna/Statistik", "", "/", "/tmp/mit Ümlaut"}) {
        WriteLastDir(path, folder);
        EXPECT_EQ(ReadBytes(path), folder); // no line end
        EXPECT_EQ(ReadLastDir(path), folder);
    }
    EXPECT_THROW(ReadLastDir(dir.file("none.sta")), IoError);
    // Read: the first line only, cut to 255 bytes.
    const std::pair<std::string, std::string> cases[] = {
        {"/a/b\r\n/c", "/a/b"},
        {"/a/b\r", "/a/b"},
        {"/a/b\n/c", "/a/b"},
        {"/a/b\x1A/c", "/a/b"},
        {std::string(10000, 'x') + "\r\n/c", std::string(255, 'x')},
        // 255 bytes would end inside the 128th 'ä': the cut goes before it.
        {Cp1252ToUtf8(std::string(10000, '\xE4')), Cp1252ToUtf8(std::string(127, '\xE4'))},
    };
    for (const auto& [bytes, folder] : cases)
        EXPECT_EQ(ReadLastDir(dir.write("default.sta", bytes)), folder);
}

TEST(LastDirFile, DefaultLocationFollowsXdg) {
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(DefaultLastDirPath(), "/cfg/gruppenstatistik/default.sta");
    setenv("XDG_CONFIG_HOME", "", 1);
    setenv("HOME", "/home/anna", 1);
    EXPECT_EQ(DefaultLastDirPath(), "/home/anna/.config/gruppenstatistik/default.sta");
    // Without either, or with a relative one, the home comes from the password database.
    const passwd* user = getpwuid(getuid());
    ASSERT_TRUE(user && user->pw_dir);
    const std::string fromDatabase =
        std::string(user->pw_dir) + "/.config/gruppenstatistik/default.sta";
    for (const char* relative : {"", "home/anna"}) {
        setenv("HOME", relative, 1);
        EXPECT_EQ(DefaultLastDirPath(), fromDatabase);
    }
    unsetenv("HOME");
    EXPECT_EQ(DefaultLastDirPath(), fromDatabase);
    setenv("HOME", home.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
}
