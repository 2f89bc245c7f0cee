// Conversion between the 8-bit Windows-1252 texts of statistics files and UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Every byte has a character; the five bytes Windows-1252 leaves undefined map to U+0081 etc.
std::string Cp1252ToUtf8(std::string_view bytes);

// Characters outside Windows-1252 (and broken UTF-8) become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// The text with every byte that is no part of a valid UTF-8 character (a Latin-1 "\xFC", a
// sequence cut off, an overlong form, a surrogate) replaced by U+FFFD; valid text stays as it is.
std::string ToValidUtf8(std::string_view text);

// The longest prefix of a UTF-8 text that has at most maxBytes bytes and ends on a character
// boundary; for paths kept in 255-byte fields.
std::string Utf8CutBytes(std::string_view utf8, std::size_t maxBytes);
