// The report tool's view of a loaded file: the cover lines and the eleven charts as data.
#pragma once

#include "chartmodel.h"
#include "charts.h"
#include "store.h"

#include <nlohmann/json.hpp>

#include <string>
#include <utility>
#include <vector>

nlohmann::json ChartJson(ChartId id, const ChartModel& chart);

// {"file", "floorCount", "cover", "charts"}.
nlohmann::json ReportJson(const std::string& file, StatisticsStore& store);
