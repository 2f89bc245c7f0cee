// The report tool's view of a loaded file: the cover lines and the eleven charts as data.
#pragma once

#include "chartmodel.h"
#include "charts.h"
#include "keyfigures.h"
#include "store.h"

#include <nlohmann/json.hpp>

#include <string>
#include <utility>
#include <vector>

nlohmann::json ChartJson(ChartId id, const ChartModel& chart);

// The key figures as numbers (seconds, percent, counts); null where they cannot be computed.
nlohmann::json KeyFiguresJson(const KeyFigures& k);

// {"file", "floorCount", "cover", "keyFigures", "charts"}.
nlohmann::json ReportJson(const std::string& file, StatisticsStore& store);
