// Reading a statistics file into the store: the open sequence, ParseStatistics, ParseNextInt.
#pragma once

#include "statglob/store.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Steps 3 to 9 of opening a file. FileName and LastDir of `store` change first; the file's
// lines go into a copy of the store, which is returned, so `store` keeps its figures if
// anything later fails. Throws IoError, or StatisticsError for a file the tables cannot take.
StatisticsStore ReadStatisticsFile(StatisticsStore& store, const std::string& path);

// Turns the kept lines of floors 1..FloorCount and the travel line into the integer tables.
// Throws ConversionError at the first bad field.
void ParseStatistics(StatisticsStore& s);

// Reads the field after position `pos` (1-based, on the ';' before the field, 0 before the
// first character) and leaves `pos` on the ';' that ends it. A last field without ';' is
// read to the end of the line.
std::int32_t ParseNextInt(std::size_t& pos, std::string_view line);

// Decimal integer: leading blanks, optional sign, digits, 32-bit range; else ConversionError.
std::int32_t StrToInt(std::string_view field);

// The whole load: read, parse, and only then take the new figures and the file's name into
// `store`; LastDir follows the file even when it fails. A file that fails to
// parse and starts with a UTF-8 byte-order mark (IsExportedTable) gives StatisticsError
// kNotStatisticsFile instead of the parser's message.
void LoadStatisticsFile(StatisticsStore& store, const std::string& path);

// A controller writes its statistics in Windows-1252 and never starts them with a UTF-8
// byte-order mark; every table the programs export does. True when the regular file at `path`
// starts with one: a file that does and fails to load is no statistics file but most likely an
// exported table. Reads three bytes; false for what cannot be read.
bool IsExportedTable(const std::string& path);
inline constexpr char kNotStatisticsFile[] =
    "Die Datei ist keine Statistikdatei (eine exportierte Tabelle?).";
