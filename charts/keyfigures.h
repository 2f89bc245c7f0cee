// KeyFigures: the answers behind the charts (service quality, peaks, shafts) and their German
// presentation as rows, computed from the loaded file only here.
#pragma once

#include "charts/format.h"
#include "charts/keyfigurerow.h"
#include "statglob/store.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct FloorFigure {
    int floor = 0;    // 1..FloorCount
    std::string name; // UTF-8
    std::int64_t calls = 0;
    Ratio waitSeconds; // hundredths summed / (100 x calls)
};

struct HourFigure {
    int hour = -1; // 0..23; -1 when no hour had calls
    std::int64_t calls = 0;
};

struct ShaftFigure {
    std::string name; // UTF-8
    std::int64_t calls = 0;
    Ratio share; // of all served calls, as a fraction
    std::int32_t floorsPassed = 0;
    Ratio floorsPerCall; // floors passed per served call
    bool flagged = false;
    std::string flag; // the note in `flags` on this shaft; empty when not flagged
};

struct KeyFigures {
    // Period, as the cover sheet shows it (UTF-8); minutes only when both could be read and
    // the stop lies after the start.
    std::string start, stop;
    std::optional<std::int64_t> periodMinutes;
    std::optional<std::int64_t> startMinutes; // since 1.1.2000, with periodMinutes
    Ratio callsPerDay;

    std::int64_t calls = 0, upCalls = 0, downCalls = 0, doorACalls = 0, doorBCalls = 0;

    // Averages over calls, in seconds.
    Ratio waitAll, waitDown, waitUp, waitDoorA, waitDoorB;
    std::vector<FloorFigure> floors;      // 1..FloorCount
    std::vector<FloorFigure> worstFloors; // up to three, longest first, >= 1 % of the calls
    Ratio shareAbove30, shareAbove40;     // fractions of the calls made at floors above 30 / 40 s
    std::string verdict;                  // empty when there are no calls

    std::int64_t hourCalls = 0; // over the hour tables
    HourFigure busiestHour, busiestUpHour, busiestDownHour;
    std::vector<int> hoursWithoutCalls;

    std::optional<FloorFigure> busiestFloor; // most calls
    std::optional<FloorFigure> mainEntrance; // most up calls (calls: its up calls)

    std::int64_t servedCalls = 0;
    std::array<ShaftFigure, kShafts> shafts;
    std::vector<std::string> flags; // German notes, one per suspicious shaft
};

// Upper bounds of the verdict scale, in hundredths of a second, for the average over all calls.
struct VerdictStep {
    std::int64_t limit;
    bool inclusive; // the limit itself still belongs to this step
    const char* text;
};
extern const std::array<VerdictStep, 4> kVerdictScale;
extern const char* const kVerdictAbove; // beyond the last step
extern const char* const kVerdictNote;

KeyFigures ComputeKeyFigures(const StatisticsStore& s);

// Heading of the key figures: "Kennzahlen: " and the file name of the loaded file (UTF-8).
std::string KeyFigureTitle(const StatisticsStore& s);

// The figures as the table shows them: one decimal, decimal comma, "–" where undefined.
std::vector<KeyFigureRow> KeyFigureRows(const KeyFigures& k);
// Runs of hours of the day (ascending) as "0:00–6:00, 22:00–24:00 Uhr"; "keine" for none.
std::string HourRanges(const std::vector<int>& hours);
// The table of the loaded file: KeyFigureTitle, KeyFigureColumns and KeyFigureRows.
KeyFigureTable KeyFigureTableOf(const StatisticsStore& s);
