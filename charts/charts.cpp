#include "charts/charts.h"

#include "chartfx3/recordingchartfx.h"

namespace {

// Every chart once: a chart missing from the table would be found at another's place.
constexpr bool EveryChartOnce() {
    for (std::size_t i = 0; i < kCharts.size(); ++i) {
        int rows = 0;
        for (const ChartInfo& c : kCharts)
            rows += c.id == static_cast<ChartId>(i);
        if (rows != 1)
            return false;
    }
    return true;
}
static_assert(EveryChartOnce());

} // namespace

std::size_t IndexOf(ChartId id) {
    std::size_t i = 0;
    while (i + 1 < kCharts.size() && kCharts[i].id != id)
        ++i;
    return i;
}

const ChartInfo& ChartOf(ChartId id) {
    return kCharts[IndexOf(id)];
}

ChartOutcome DrawChart(ChartId id, StatisticsStore& store, TChartfx& chart) {
    ChartOf(id).draw(store, chart);
    return OutcomeOf(id);
}

ChartOutcome OutcomeOf(ChartId id) {
    return {id, id == ChartId::count};
}

std::vector<std::pair<ChartId, ChartModel>> DrawAllCharts(StatisticsStore& store) {
    RecordingChartfx control(false);
    std::vector<std::pair<ChartId, ChartModel>> charts;
    for (const ChartInfo& c : kCharts) {
        DrawChart(c.id, store, control);
        charts.emplace_back(c.id, control.shown());
    }
    return charts;
}
