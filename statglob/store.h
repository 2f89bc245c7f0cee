// StatisticsStore: the figures, kept lines and labels of the statistics file loaded last.
#pragma once

#include "statglob/shortstring.h"

#include <array>
#include <cstdint>
#include <string>

// The four hall-call groups, in the store's order (the file lists them otherwise).
enum CallGroup : int { ADown = 0, AUp = 1, BDown = 2, BUp = 3 };

// Shafts A..D; rows 1..4 of CallStat belong to them.
enum Shaft : int { ShaftA = 0, ShaftB = 1, ShaftC = 2, ShaftD = 3 };

constexpr int kMaxFloors = 40;
constexpr int kFloorSlots = kMaxFloors + 1; // index 0 stays unused
constexpr int kLineSlots = 51;              // kept lines, indices 0..50
constexpr int kHours = 24;
constexpr int kShafts = 4;
constexpr int kCallGroups = 4;

using FloorTable = std::array<std::int32_t, kFloorSlots>;
// Sums of file values: two 32-bit figures can add past 32 bits, so these are wide.
using WideFloorTable = std::array<std::int64_t, kFloorSlots>;
using HourTable = std::array<FloorTable, kHours + 1>; // row h+1 holds hour h

struct StatisticsStore {
    ShortString<255> LastDir; // paths are UTF-8, cut on a character boundary
    ShortString<255> FileName;
    std::array<std::string, 9> HeaderLines;         // 1..8 used
    std::array<std::string, kLineSlots> FloorLines; // 1..FloorCount+1 used (last: travel line)
    std::array<std::string, kLineSlots> HourLines;  // 1..FloorCount+1 used (last: never parsed)
    WideFloorTable DownTotal{};
    WideFloorTable UpTotal{};
    // [group][row][floor]; row 0: calls of the group, rows 1..4: of them served by shaft A..D
    std::array<std::array<FloorTable, 5>, kCallGroups> CallStat{};
    std::array<std::int64_t, kShafts> ShaftCallTotal{};
    std::array<std::int32_t, kShafts> TravelCount{};
    std::array<FloorTable, kCallGroups> WaitSum{}; // hundredths of a second
    FloorTable WaitDown{};                         // whole seconds
    FloorTable WaitUp{};
    HourTable HourDown{};
    HourTable HourUp{};
    std::uint8_t FloorCount = 0;
    std::array<ShortString<10>, kFloorSlots> FloorNames; // entry k labels floor k+1
    std::array<ShortString<10>, kHours> HourNames;
    std::array<ShortString<20>, kShafts> ShaftNames;

    // Start-up: everything empty, the label tables at their defaults.
    StatisticsStore() { SetLabelDefaults(); }
    void SetLabelDefaults();
    void SetFloorNameDefaults(); // "KG", "EG", "1", "2", ...
};
