// The report tool's view of a loaded file: the cover lines and the eleven charts as data.
#pragma once

#include "chartfx3/chartmodel.h"
#include "charts/charts.h"
#include "charts/keyfigures.h"
#include "statglob/store.h"

#include <nlohmann/json.hpp>

#include <string>
#include <utility>
#include <vector>

nlohmann::json ChartJson(ChartId id, const ChartModel& chart);

// The key figures as numbers (seconds, percent, counts); null where they cannot be computed.
nlohmann::json KeyFiguresJson(const KeyFigures& k);

// The cover sheet's lines with the customer and the order filled in behind "Kunde: " and
// "Kommission: ", as the user types them into the memo.
std::vector<std::string> ReportCover(const StatisticsStore& store, const std::string& kunde,
                                     const std::string& kommission);

// The comparison of `store` with `other` as numbers, with its charts (keys: README).
nlohmann::json ComparisonJson(const StatisticsStore& store, const StatisticsStore& other);

// What the tool prints when a file cannot be loaded (without the line end): a message that names
// its file itself (the file could not be opened) after the tool's name, any other after the
// path, "<path>: <message>"; `what` ("Vergleichsdatei") before either.
std::string LoadFailureText(const std::string& what, const std::string& path,
                            const std::string& message, bool namesFile);

// The JSON as text, indented by 2. Texts that are not valid UTF-8 (a Latin-1 file name or
// argument) keep their valid characters; each broken byte becomes U+FFFD.
std::string JsonText(const nlohmann::json& json);

// {"file", "floorCount", "cover", "keyFigures", "charts"}, with these cover lines, and
// "comparison" with `other`.
nlohmann::json ReportJson(const std::string& file, StatisticsStore& store,
                          const std::vector<std::string>& cover,
                          const StatisticsStore* other = nullptr);
