#include "app/report.h"

#include "chartfx3/modelchartfx.h"
#include "charts/comparison.h"
#include "charts/coversheet.h"

#include <cmath>
#include <cstdint>
#include <optional>

nlohmann::json ChartJson(ChartId id, const ChartModel& chart) {
    nlohmann::json series = nlohmann::json::array();
    for (const ChartSeries& s : chart.series) {
        nlohmann::json values = nlohmann::json::array();
        for (double v : s.values)
            // Counts stay integers; the comparison's per-day values and shares keep their
            // fraction.
            values.push_back(v == std::floor(v) && std::abs(v) < 9e15
                                 ? nlohmann::json(static_cast<std::int64_t>(v))
                                 : nlohmann::json(v));
        series.push_back({{"legend", s.legend}, {"values", values}});
    }
    return {{"id", ChartOf(id).stem},
            {"title", chart.heading()},
            {"valueAxisTitle", chart.valueAxisTitle()},
            {"categoryAxisTitle", chart.categoryAxisTitle()},
            {"chartType", ChartTypeOf(chart.kind)},
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

namespace {

nlohmann::json Number(Ratio r, double scale = 1) {
    return r.defined() ? nlohmann::json(r.value() * scale) : nlohmann::json(nullptr);
}

nlohmann::json Hour(const HourFigure& h) {
    if (h.hour < 0)
        return nullptr;
    return {{"hour", h.hour}, {"calls", h.calls}};
}

nlohmann::json Floor(const std::optional<FloorFigure>& f) {
    if (!f)
        return nullptr;
    return {{"floor", f->floor}, {"name", f->name}, {"calls", f->calls}};
}

} // namespace

nlohmann::json KeyFiguresJson(const KeyFigures& k) {
    nlohmann::json worst = nlohmann::json::array();
    for (const FloorFigure& f : k.worstFloors)
        worst.push_back({{"floor", f.floor},
                         {"name", f.name},
                         {"calls", f.calls},
                         {"averageWait", Number(f.waitSeconds)}});
    nlohmann::json shafts = nlohmann::json::array();
    for (const ShaftFigure& s : k.shafts)
        shafts.push_back({{"name", s.name},
                          {"calls", s.calls},
                          {"share", Number(s.share, 100)},
                          {"floorsPassed", s.floorsPassed},
                          {"floorsPerCall", Number(s.floorsPerCall)},
                          {"flagged", s.flagged}});
    nlohmann::json busiestHour = Hour(k.busiestHour);
    if (!busiestHour.is_null())
        busiestHour["share"] = Number({k.busiestHour.calls, k.hourCalls}, 100);
    const auto minutes = k.periodMinutes;
    return {
        {"start", k.start},
        {"stop", k.stop},
        {"periodDays", minutes ? nlohmann::json(*minutes / 1440.0) : nlohmann::json(nullptr)},
        {"periodHours", minutes ? nlohmann::json(*minutes / 60.0) : nlohmann::json(nullptr)},
        {"callsPerDay", Number(k.callsPerDay)},
        {"calls", k.calls},
        {"upCalls", k.upCalls},
        {"downCalls", k.downCalls},
        {"doorBCalls", k.doorBCalls},
        {"averageWait", Number(k.waitAll)},
        {"averageWaitUp", Number(k.waitUp)},
        {"averageWaitDown", Number(k.waitDown)},
        {"averageWaitDoorA", Number(k.waitDoorA)},
        {"averageWaitDoorB", Number(k.waitDoorB)},
        {"longestWaitFloors", worst},
        {"shareAbove30s", Number(k.shareAbove30, 100)},
        {"shareAbove40s", Number(k.shareAbove40, 100)},
        {"verdict", k.verdict.empty() ? nlohmann::json(nullptr) : nlohmann::json(k.verdict)},
        {"busiestHour", busiestHour},
        {"busiestUpHour", Hour(k.busiestUpHour)},
        {"busiestDownHour", Hour(k.busiestDownHour)},
        {"hoursWithoutCalls", k.hoursWithoutCalls},
        {"busiestFloor", Floor(k.busiestFloor)},
        {"mainEntrance", Floor(k.mainEntrance)},
        {"shafts", shafts},
        {"flags", k.flags},
    };
}

nlohmann::json ComparisonJson(const StatisticsStore& store, const StatisticsStore& other) {
    const Comparison c = Compare(store, other);
    const auto optional = [](const std::optional<double>& v) {
        return v ? nlohmann::json(*v) : nlohmann::json(nullptr);
    };
    const auto text = [](const std::string& t) {
        return t.empty() ? nlohmann::json(nullptr) : nlohmann::json(t);
    };
    nlohmann::json figures = nlohmann::json::array();
    for (const ComparedFigure& f : c.figures)
        figures.push_back({{"section", f.section},
                           {"label", f.label},
                           {"unit", f.unit},
                           {"value", optional(f.value)},
                           {"comparison", optional(f.other)},
                           {"change", optional(f.change())},
                           {"changePercent", optional(f.changePercent())},
                           {"assessment", text(f.assessment())}});
    nlohmann::json floors = nlohmann::json::array();
    for (const FloorChange& f : c.mostChanged)
        floors.push_back({{"floor", f.floor},
                          {"name", f.name},
                          {"averageWait", f.wait},
                          {"comparisonAverageWait", f.otherWait},
                          {"change", f.wait - f.otherWait}});
    nlohmann::json charts = nlohmann::json::array();
    for (const auto& [id, chart] : DrawAllComparisonCharts(store, other))
        charts.push_back(ChartJson(id, chart));
    return {{"file", other.FileName.str()},
            {"period", c.period},
            {"comparisonPeriod", c.otherPeriod},
            {"floorCount", c.otherFloorCount},
            {"comparedFloors", c.comparedFloors},
            {"perDay", c.perDay},
            {"verdict", text(c.verdicts.at(0))},
            {"comparisonVerdict", text(c.verdicts.at(1))},
            {"figures", figures},
            {"mostChangedFloors", floors},
            {"keyFigures", KeyFiguresJson(c.theirs)},
            {"charts", charts}};
}

std::string LoadFailureText(const std::string& what, const std::string& path,
                            const std::string& message, bool namesFile) {
    if (namesFile)
        return "gruppenstatistik-report: " + (what.empty() ? "" : what + ": ") + message;
    return (what.empty() ? "" : what + " ") + path + ": " + message;
}

std::string JsonText(const nlohmann::json& json) {
    return json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
}

nlohmann::json ReportJson(const std::string& file, StatisticsStore& store,
                          const std::vector<std::string>& cover, const StatisticsStore* other) {
    nlohmann::json charts = nlohmann::json::array();
    for (const auto& [id, chart] : DrawAllCharts(store))
        charts.push_back(ChartJson(id, chart));
    nlohmann::json report = {{"file", file},
                             {"floorCount", store.FloorCount},
                             {"cover", cover},
                             {"keyFigures", KeyFiguresJson(ComputeKeyFigures(store))},
                             {"charts", charts}};
    if (other)
        report["comparison"] = ComparisonJson(store, *other);
    return report;
}
