#include "statglob/lastdir.h"

#include "statglob/errors.h"
#include "statglob/outputfile.h"
#include "statglob/text.h"
#include "statglob/textfile.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
// needs windows.h first
#include <shlobj.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxLastDir = 255; // bytes, as LastDir holds it

} // namespace

std::string DefaultLastDirPath() {
#ifdef _WIN32
    // The user's roaming application data: %APPDATA%, else the folder the shell knows by that
    // name. Paths are UTF-16 there, UTF-8 here.
    std::string base;
    if (const wchar_t* appData = _wgetenv(L"APPDATA"); appData && fs::path(appData).is_absolute()) {
        base = fs::path(appData).u8string();
    } else {
        PWSTR known = nullptr;
        if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known)))
            base = fs::path(known).u8string();
        CoTaskMemFree(known);
    }
    if (base.empty())
        return {};
    return base + "\\Gruppenstatistik\\default.sta";
#else
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home == '/')
        base = std::string(home) + "/.config";
    else if (const passwd* user = getpwuid(getuid()); user && user->pw_dir && *user->pw_dir == '/')
        base = std::string(user->pw_dir) + "/.config";
    else
        return {}; // no home at all: never a folder relative to where the program started
    return base + "/gruppenstatistik/default.sta";
#endif
}

std::string ReadLastDir(const std::string& path) {
    TextFile file(path);
    file.Reset();
    // A few bytes past the limit, so that the cut below sees where a character ends.
    std::string line = file.ReadLine(kMaxLastDir + 4);
    file.Close();
    // Editors on Linux end lines with LF alone; it ends the folder name too.
    if (const auto lf = line.find('\n'); lf != std::string::npos)
        line.resize(lf);
    // The folder is UTF-8: the cut at 255 bytes must not split a character.
    return Utf8CutBytes(line, kMaxLastDir);
}

void WriteLastDir(const std::string& path, const std::string& lastDir) {
    const fs::path target = fs::u8path(path);
    std::error_code ec;
    if (target.has_parent_path() && !fs::exists(target.parent_path(), ec)) {
        fs::create_directories(target.parent_path(), ec);
        if (ec)
            throw IoError::FromErrno(ec.default_error_condition().value(),
                                     target.parent_path().u8string());
    }
    try {
        // A unique temporary name: two programs closing at once leave one folder, never a mix.
        WriteFileAtomically(path, Utf8CutBytes(lastDir, kMaxLastDir));
    } catch (const WriteError& e) {
        if (e.error() == 0) // no regular file in its place, left alone
            throw IoError(5, path, e.reason());
        throw IoError::FromErrno(e.error(), path);
    }
}
