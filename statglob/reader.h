// Reading a statistics file into the store: the open sequence, ParseStatistics, ParseNextInt.
#pragma once

#include "statglob/store.h"

#include <cstddef>
#include <cstdint>
#include <functional>
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

// The whole load: read, call `afterRead` (the main window sets its buttons there), parse,
// and only then take the new figures into `store`.
void LoadStatisticsFile(StatisticsStore& store, const std::string& path,
                        const std::function<void()>& afterRead = {});

// A file that fails to load and starts with the UTF-8 byte-order mark is no statistics file: a
// controller writes Windows-1252 and never one, and every export of this program (a CSV for
// Excel) starts with it. A statistics file with one (an editor may add it) still loads.
bool StartsWithUtf8Bom(const std::string& path);
// What is said of such a file.
inline constexpr char kNoStatisticsFile[] =
    "Die Datei ist keine Statistikdatei (eine exportierte Tabelle?).";
