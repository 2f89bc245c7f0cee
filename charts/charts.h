// The eleven charts of the main window's buttons, computed from the store into a control.
#pragma once

#include "chartmodel.h"
#include "store.h"
#include "tchartfx.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// One per chart button, in the order of the buttons on the main window.
enum class ChartId {
    count_hour,
    count_hour_ab,
    w_time,
    count,
    count_a_auf,
    count_a_ab,
    count_b_auf,
    count_b_ab,
    Verteil,
    Travel,
    RufeZeitEt,
};

constexpr std::array<ChartId, 11> kAllCharts = {
    ChartId::count_hour,  ChartId::count_hour_ab, ChartId::w_time,      ChartId::count,
    ChartId::count_a_auf, ChartId::count_a_ab,    ChartId::count_b_auf, ChartId::count_b_ab,
    ChartId::Verteil,     ChartId::Travel,        ChartId::RufeZeitEt};

// The stem the chart's button and check mark share: "count_hour", "w_time", "Verteil", ...
const char* ChartStem(ChartId id);
// The chart's short German name for file names (UTF-8): "Wartezeiten", "TürA_Auf", ...
const char* ChartFileName(ChartId id);

// What the main window does after a chart was drawn: its check mark (the one of the same
// stem) is enabled, and the all-calls chart also enables the waiting-time button.
struct ChartOutcome {
    ChartId checkMark;
    bool enablesWaitingTime;
};

// Computes the chart's derived tables into the store and sends the chart to the control.
ChartOutcome DrawChart(ChartId id, StatisticsStore& store, TChartfx& chart);

// Every chart in button order, drawn through the recording control: what the report shows.
std::vector<std::pair<ChartId, ChartModel>> DrawAllCharts(StatisticsStore& store);

// The handlers' own computations, one per button.
void DrawWaitingTimeChart(StatisticsStore& s, TChartfx& chart);      // w_time
void DrawAllCallsChart(StatisticsStore& s, TChartfx& chart);         // count
void DrawDoorChart(ChartId id, StatisticsStore& s, TChartfx& chart); // count_a_auf .. count_b_ab
void DrawCallsPerHourChart(StatisticsStore& s, TChartfx& chart);     // count_hour
void DrawUpDownPerHourChart(StatisticsStore& s, TChartfx& chart);    // count_hour_ab
void DrawCallsPerHourAndFloorChart(StatisticsStore& s, TChartfx& chart); // RufeZeitEt
void DrawShaftDistributionChart(StatisticsStore& s, TChartfx& chart);    // Verteil
void DrawFloorsPassedChart(StatisticsStore& s, TChartfx& chart);         // Travel
