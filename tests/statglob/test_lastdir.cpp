// The last-directory file: what is written and read back, and where it lives.
#include "statglob/errors.h"
#include "statglob/lastdir.h"
#include "statglob/text.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

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

#ifdef _WIN32
TEST(LastDirFile, DefaultLocationIsInAppData) {
    const wchar_t* saved = _wgetenv(L"APPDATA");
    const std::wstring appData = saved ? saved : L"";
    _wputenv_s(L"APPDATA", L"C:\\Users\\Jürgen\\AppData\\Roaming");
    EXPECT_EQ(DefaultLastDirPath(),
              "C:\\Users\\Jürgen\\AppData\\Roaming\\Gruppenstatistik\\default.sta");
    // Without it, or with a relative one, the folder comes from the shell.
    for (const wchar_t* relative : {L"", L"AppData"}) {
        _wputenv_s(L"APPDATA", relative);
        const std::filesystem::path path = std::filesystem::u8path(DefaultLastDirPath());
        EXPECT_TRUE(path.is_absolute()) << path;
        EXPECT_EQ(path.parent_path().filename(), "Gruppenstatistik");
        EXPECT_NE(path.u8string().find("AppData\\Roaming"), std::string::npos) << path;
    }
    _wputenv_s(L"APPDATA", appData.c_str());
}
#endif
