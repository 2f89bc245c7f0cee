#include "report.h"

#include "coversheet.h"

#include <cstdint>

nlohmann::json ChartJson(ChartId id, const ChartModel& chart) {
    nlohmann::json series = nlohmann::json::array();
    for (const ChartSeries& s : chart.series) {
        nlohmann::json values = nlohmann::json::array();
        for (double v : s.values)
            values.push_back(static_cast<std::int64_t>(v));
        series.push_back({{"legend", s.legend}, {"values", values}});
    }
    return {{"id", ChartStem(id)},
            {"title", chart.heading()},
            {"valueAxisTitle", chart.valueAxisTitle()},
            {"categoryAxisTitle", chart.categoryAxisTitle()},
            {"chartType", chart.chartType},
            {"chart3D", chart.chart3D},
            {"categories", chart.categories},
            {"series", series},
            {"axisMax", static_cast<std::int64_t>(chart.axisMax)}};
}

std::vector<std::string> ReportCover(const StatisticsStore& store, const std::string& kunde,
                                     const std::string& kommission) {
    std::vector<std::string> lines = BuildCoverSheet(store);
    for (std::string& line : lines) {
        if (line == "Kunde: ")
            line += kunde;
        else if (line == "Kommission: ")
            line += kommission;
    }
    return lines;
}

nlohmann::json ReportJson(const std::string& file, StatisticsStore& store,
                          const std::vector<std::string>& cover) {
    nlohmann::json charts = nlohmann::json::array();
    for (const auto& [id, chart] : DrawAllCharts(store))
        charts.push_back(ChartJson(id, chart));
    return {{"file", file}, {"floorCount", store.FloorCount}, {"cover", cover}, {"charts", charts}};
}
