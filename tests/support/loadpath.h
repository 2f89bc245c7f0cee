// The load path of a statistics file without windows: the load into the store, the eleven
// charts into a recording control, the cover sheet and the key figures, with the rules that must
// hold after it. Shared by the fuzz target and the hostile-file tests.
#pragma once

#include "chartfx3/chartmodel.h"
#include "charts/keyfigurerow.h"
#include "statglob/store.h"

#include <string>
#include <string_view>
#include <vector>

struct LoadPathResult {
    enum class Failure { None, Io, Conversion, Statistics };
    Failure failure = Failure::None;
    // The message the load ended with, as the error box gets it (what()); empty when the
    // file loaded.
    std::string error;
    std::vector<ChartModel> charts;       // in button order; only after a successful load
    std::vector<std::string> cover;       // the memo lines; only after a successful load
    std::vector<KeyFigureRow> keyFigures; // only after a successful load
};

// Loads `path` into `store`, then draws every chart, builds the cover sheet and the key figures.
// Exceptions other than the three the data layer reports to the user are faults and propagate.
LoadPathResult RunLoadPath(StatisticsStore& store, const std::string& path);

// True when both stores hold the same file: kept lines, figures, derived tables, count and
// labels. FileName and LastDir are left out: LastDir follows every open, FileName a successful
// one.
bool SameFigures(const StatisticsStore& a, const StatisticsStore& b);

// The first rule RunLoadPath broke, as text; empty when all hold. `before` is the store as it
// was before the load, `after` as RunLoadPath left it.
std::string CheckLoadPath(const StatisticsStore& before, const StatisticsStore& after,
                          const LoadPathResult& result);
