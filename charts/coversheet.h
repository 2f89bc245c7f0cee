// The cover sheet's summary of the loaded file: the 16 lines the main window's memo shows.
#pragma once

#include "statglob/store.h"

#include <cstdint>
#include <string>
#include <vector>

// Start of the period: second field of header line 5, at most 15 characters (Windows-1252).
std::string PeriodStartOf(const StatisticsStore& s);
// Stop of the period: first field of header line 2, at most 15 characters (Windows-1252).
std::string PeriodStopOf(const StatisticsStore& s);
// All hall calls of floors 1..FloorCount; wide, since the file's values may add past 32 bits.
std::int64_t CallTotalOf(const StatisticsStore& s);

// The 16 lines, UTF-8, in the memo's order.
std::vector<std::string> BuildCoverSheet(const StatisticsStore& s);

// The period as the report's pages name it, "01.11.26 00:00 – 07.11.26 23:59" (UTF-8); empty
// when the file gives neither end.
std::string PeriodText(const StatisticsStore& s);
// What the user typed behind `key` ("Kunde: ", "Kommission: ") in the first line that starts
// with it, without outer blanks; empty when nothing was typed.
std::string CoverField(const std::vector<std::string>& lines, const std::string& key);
