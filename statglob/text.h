// Texts and paths: the 8-bit Windows-1252 texts of statistics files and UTF-8, UTF-8 checked and
// cut, a path's folder and name. (statglob/qtext.h turns UTF-8 into QString for the Qt layers.)
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The byte-order mark some editors put before UTF-8 text, and Excel needs before a CSV file.
inline constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

// Every byte has a character; the five bytes Windows-1252 leaves undefined map to U+0081 etc.
std::string Cp1252ToUtf8(std::string_view bytes);

// Characters outside Windows-1252 (and broken UTF-8) become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// The longest prefix of a UTF-8 text that has at most maxBytes bytes and ends on a character
// boundary; for paths kept in 255-byte fields.
std::string Utf8CutBytes(std::string_view utf8, std::size_t maxBytes);

// The text with every byte that is no part of a valid UTF-8 character (a Latin-1 "\xFC", a
// sequence cut off, an overlong form, a surrogate) replaced by U+FFFD; valid text stays as it is.
std::string ToValidUtf8(std::string_view text);

// True when the bytes are well-formed UTF-8: no overlong form, surrogate or code point past
// U+10FFFF, no sequence cut off.
bool IsValidUtf8(std::string_view text);

// The folder of a path, up to its last separator and without it ("C:" for C:\stat.csv).
// A file in the POSIX root gives "/"; a bare name gives "". Separators are "/" and, on
// Windows, "\\".
std::string FolderOf(std::string_view path);
// The file name of a path, without its folder.
std::string BaseName(std::string_view path);
// The path of the file `name` in the folder of `path`, spelt as `path` spells its folder.
std::string Beside(std::string_view path, std::string_view name);
