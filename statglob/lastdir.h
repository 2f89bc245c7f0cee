// The last-directory file: carries LastDir, the folder opened last, from one run to the next.
#pragma once

#include <string>

// Where the file lives: on Windows %APPDATA%\Gruppenstatistik\default.sta; elsewhere
// default.sta in the user's configuration folder ($XDG_CONFIG_HOME, else ~/.config with the
// home from $HOME or from the password database) under gruppenstatistik/; empty when no home is
// known.
std::string DefaultLastDirPath();

// The first line of the file: up to CR, LF, Ctrl-Z or the end, at most 255 characters; the
// rest of the file is never held in memory.
// Throws IoError (code 2 when the file does not exist).
std::string ReadLastDir(const std::string& path);

// Writes `lastDir` without a line end. The text goes to a file of a unique temporary name
// beside it first and replaces the old file only when complete. The folder is created when
// missing. Anything but a regular file in its place is left alone (IoError 5).
// Throws IoError naming the file.
void WriteLastDir(const std::string& path, const std::string& lastDir);
