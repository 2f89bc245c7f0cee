// The eleven charts of the main window's buttons: the one table that names them, and their
// computation from the store into a control.
#pragma once

#include "chartfx3/chartmodel.h"
#include "chartfx3/tchartfx.h"
#include "statglob/store.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// One per chart button.
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

// The handlers' own computations, one per button.
void DrawWaitingTimeChart(StatisticsStore& s, TChartfx& chart);      // w_time
void DrawAllCallsChart(StatisticsStore& s, TChartfx& chart);         // count
void DrawDoorChart(ChartId id, StatisticsStore& s, TChartfx& chart); // count_a_auf .. count_b_ab
void DrawCallsPerHourChart(StatisticsStore& s, TChartfx& chart);     // count_hour
void DrawUpDownPerHourChart(StatisticsStore& s, TChartfx& chart);    // count_hour_ab
void DrawCallsPerHourAndFloorChart(StatisticsStore& s, TChartfx& chart); // RufeZeitEt
void DrawShaftDistributionChart(StatisticsStore& s, TChartfx& chart);    // Verteil
void DrawFloorsPassedChart(StatisticsStore& s, TChartfx& chart);         // Travel

// What a chart's points are, and so how many it has.
enum class ChartPoints : std::uint8_t { Hours, Floors, Shafts };
inline constexpr int kSeriesPerFloor = 0;

struct ChartShape {
    ChartPoints points;
    int series; // kSeriesPerFloor: one per floor
};

struct ChartInfo {
    ChartId id;
    const char* stem;     // of the button, its check mark and the exported files: "w_time"
    const char* fileName; // the short German name for the chart window's files (UTF-8)
    const char* caption;  // the button's text (UTF-8)
    bool hasComparison;   // a comparison file shows both periods in it
    ChartShape shape;
    void (*draw)(StatisticsStore& s, TChartfx& chart);
};

// Every chart in the order of the buttons on the main window, from the top.
// clang-format off
inline constexpr std::array<ChartInfo, 11> kCharts = {{
    {ChartId::count_hour,    "count_hour",    "Rufe_Uhrzeit",       "Außenrufe über Uhrzeit ",
     true,  {ChartPoints::Hours, 1},  DrawCallsPerHourChart},
    {ChartId::count_hour_ab, "count_hour_ab", "AufAb_Uhrzeit",      "Auf/Ab-Rufe über Uhrzeit ",
     true,  {ChartPoints::Hours, 2},  DrawUpDownPerHourChart},
    {ChartId::w_time,        "w_time",        "Wartezeiten",        "Wartezeiten über Etage",
     true,  {ChartPoints::Floors, 2}, DrawWaitingTimeChart},
    {ChartId::count,         "count",         "Rufe_Etagen",        "Alle Außenrufe über Etage",
     true,  {ChartPoints::Floors, 2}, DrawAllCallsChart},
    {ChartId::count_a_auf,   "count_a_auf",   "TürA_Auf",           "Außenrufe Tür A Auf",
     false, {ChartPoints::Floors, 1},
     [](StatisticsStore& s, TChartfx& c) { DrawDoorChart(ChartId::count_a_auf, s, c); }},
    {ChartId::count_a_ab,    "count_a_ab",    "TürA_Ab",            "Außenrufe Tür A Ab",
     false, {ChartPoints::Floors, 1},
     [](StatisticsStore& s, TChartfx& c) { DrawDoorChart(ChartId::count_a_ab, s, c); }},
    {ChartId::count_b_auf,   "count_b_auf",   "TürB_Auf",           "Außenrufe Tür B Auf",
     false, {ChartPoints::Floors, 1},
     [](StatisticsStore& s, TChartfx& c) { DrawDoorChart(ChartId::count_b_auf, s, c); }},
    {ChartId::count_b_ab,    "count_b_ab",    "TürB_Ab",            "Außenrufe Tür B Ab",
     false, {ChartPoints::Floors, 1},
     [](StatisticsStore& s, TChartfx& c) { DrawDoorChart(ChartId::count_b_ab, s, c); }},
    {ChartId::Verteil,       "Verteil",       "Rufverteilung",      "Rufverteilung",
     true,  {ChartPoints::Shafts, 1}, DrawShaftDistributionChart},
    {ChartId::Travel,        "Travel",        "Überfahrene_Etagen", "überfahrene Etagen",
     true,  {ChartPoints::Shafts, 1}, DrawFloorsPassedChart},
    {ChartId::RufeZeitEt,    "RufeZeitEt",    "Rufe_Zeit_Etagen",   "Rufe über Zeit und Etagen",
     false, {ChartPoints::Hours, kSeriesPerFloor}, DrawCallsPerHourAndFloorChart},
}};
// clang-format on

// The chart's place in kCharts, and its row there.
std::size_t IndexOf(ChartId id);
const ChartInfo& ChartOf(ChartId id);

// What the main window does after a chart was drawn: its check mark (the one of the same
// stem) is enabled, and the all-calls chart also enables the waiting-time button.
struct ChartOutcome {
    ChartId checkMark;
    bool enablesWaitingTime;
};

// What drawing the chart means for the main window, however it was drawn.
ChartOutcome OutcomeOf(ChartId id);

// Computes the chart's derived tables into the store and sends the chart to the control.
ChartOutcome DrawChart(ChartId id, StatisticsStore& store, TChartfx& chart);

// Every chart in button order, drawn through the recording control: what the report shows.
std::vector<std::pair<ChartId, ChartModel>> DrawAllCharts(StatisticsStore& store);
