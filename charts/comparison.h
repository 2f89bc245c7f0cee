// Comparison: a second statistics file ("Vergleich") beside the loaded one: its own store, the
// charts with both periods and the key figures side by side, as data and as German rows.
#pragma once

#include "chartfx3/chartmodel.h"
#include "chartfx3/tchartfx.h"
#include "charts/charts.h"
#include "charts/keyfigurerow.h"
#include "charts/keyfigures.h"
#include "statglob/store.h"

#include <optional>
#include <string>
#include <vector>

// Reads `path` with the program's reader into a store of its own and returns it; throws as
// LoadStatisticsFile does. No other store is touched, so a failure changes nothing.
StatisticsStore LoadComparisonStore(const std::string& path);

// One key figure of both periods. Values are in `unit`; absent where a period cannot give it.
struct ComparedFigure {
    std::string section, label, unit; // unit: "s", "%", "" (a count)
    std::optional<double> value, other;
    bool lowerIsBetter = false; // false: neither direction is better (counts, shares)
    int decimals = 1;           // 0 for counts of the whole period

    std::optional<double> change() const;        // value - other
    std::optional<double> changePercent() const; // of other; absent when other is 0
    // "besser", "schlechter", or empty when unchanged, neutral or not comparable.
    std::string assessment() const;
};

struct FloorChange {
    int floor = 0;
    std::string name;               // UTF-8, the loaded file's designation
    double wait = 0, otherWait = 0; // average waiting time, seconds
};

struct Comparison {
    std::string file, otherFile; // file names without folder, UTF-8
    std::string period,
        otherPeriod; // "01.11.–07.11.", or the file name when the dates are unreadable
    int floorCount = 0, otherFloorCount = 0;
    int comparedFloors = 0; // floors 1..comparedFloors of both files are compared
    bool perDay = false;    // both periods' lengths are known: calls are compared per day
    std::vector<ComparedFigure> figures;
    std::vector<FloorChange> mostChanged; // up to three, largest change of the average wait first
    std::vector<std::string> verdicts;    // this period's and the comparison's, "" without calls
    KeyFigures mine, theirs;              // both periods' key figures over the compared floors
};

// The comparison of `store` (this period) with `other` (the comparison), over the floors both
// files have. Neither store changes.
Comparison Compare(const StatisticsStore& store, const StatisticsStore& other);

// The comparison chart of `id` (ChartInfo::hasComparison): the chart is drawn for each store
// through the recording control, over the floors both have, and the two are joined: for every
// series of the chart this period's and then the comparison's, their legends naming the period.
ChartModel DrawComparisonChart(ChartId id, const StatisticsStore& store,
                               const StatisticsStore& other);

// Every comparison chart in button order.
std::vector<std::pair<ChartId, ChartModel>> DrawAllComparisonCharts(const StatisticsStore& store,
                                                                    const StatisticsStore& other);

// What the cover sheet adds for the comparison file: its name and period (UTF-8).
std::vector<std::string> ComparisonCoverLines(const StatisticsStore& other);

// Heading of the side-by-side figures: "Vergleich: <file> mit <other file>".
std::string ComparisonTitle(const Comparison& c);
// The figures as the key-figures window shows them, a column per period (ComparisonColumns):
// the compared figures with their change, the figures of the time of day, the floors and the
// notes on the shafts of both periods, and the floors whose waiting time changed most.
KeyFigureTable ComparisonTable(const Comparison& c);
