#include "errors.h"
#include "lastdir.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(LastDirFile, RoundTripWritesExactlyTheFolder) {
    TempDir dir;
    const std::string path = dir.file("sub/folder/default.sta"); // folders are created
    for (const std::string folder :
         {"/home/anna/Statistik", "", "/", "C:\\daten", "/tmp/mit Ümlaut"}) {
        WriteLastDir(path, folder);
        EXPECT_EQ(ReadBytes(path), folder); // no line end
        EXPECT_EQ(ReadLastDir(path), folder);
    }
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(LastDirFile, ReadsTheFirstLineOnly) {
    TempDir dir;
    const struct {
        std::string bytes;
        std::string folder;
    } cases[] = {
        {"/a/b\r\n/c", "/a/b"},
        {"/a/b\r", "/a/b"},
        {"/a/b\n/c", "/a/b"}, // written by a Linux editor
        {"/a/b\x1A/c", "/a/b"},
        {"", ""},
        {std::string(300, 'x'), std::string(255, 'x')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadLastDir(dir.write("default.sta", c.bytes)), c.folder);
}

TEST(LastDirFile, Failures) {
    TempDir dir;
    try {
        ReadLastDir(dir.file("none.sta"));
        ADD_FAILURE();
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 2);
        EXPECT_STREQ(e.what(), "Datei nicht gefunden");
    }
    // A folder where the file should be: neither read nor replaced.
    std::filesystem::create_directory(dir.file("dir.sta"));
    EXPECT_THROW(ReadLastDir(dir.file("dir.sta")), IoError);
    EXPECT_THROW(WriteLastDir(dir.file("dir.sta"), "/x"), IoError);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("dir.sta")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("dir.sta.tmp")));
}

TEST(LastDirFile, DefaultLocationFollowsXdg) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(DefaultLastDirPath(), "/cfg/gruppenstatistik/default.sta");
    setenv("XDG_CONFIG_HOME", "", 1);
    setenv("HOME", "/home/anna", 1);
    EXPECT_EQ(DefaultLastDirPath(), "/home/anna/.config/gruppenstatistik/default.sta");
    setenv("HOME", savedHome.c_str(), 1);
    if (old)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}
