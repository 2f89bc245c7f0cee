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
