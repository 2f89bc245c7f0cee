// The six charts with one point per floor.
#include "charts/chartprep.h"
#include "charts/charts.h"

namespace {

// Values of floors 1..FloorCount of a per-floor table, as points 0..FloorCount-1.
template <typename Table> std::vector<std::int64_t> Floors(const Table& t, int count) {
    return std::vector<std::int64_t>(t.begin() + 1, t.begin() + 1 + count);
}

// Whole seconds from hundredths summed over `calls` calls; 0 when there are no calls.
std::int32_t AverageSeconds(std::int64_t waitSum, std::int64_t calls) {
    return calls > 0 ? static_cast<std::int32_t>(waitSum / (calls * 100)) : 0;
}

// Calls of both doors in one direction at floor f.
std::int64_t Calls(const StatisticsStore& s, CallGroup doorA, CallGroup doorB, int f) {
    return std::int64_t{s.CallStat[doorA][0][f]} + s.CallStat[doorB][0][f];
}

// Two-series chart over the floors: down values, then up values.
void DrawDownUp(StatisticsStore& s, TChartfx& chart, const char* title, const char* valueTitle,
                const std::vector<std::int64_t>& down, const std::vector<std::int64_t>& up) {
    ChartWriter w(chart, s);
    w.PrepareChart(title, valueTitle, "Etagen", s.FloorCount, LabelKind::Floors, 2);
    w.WriteSeries(0, "Ab-Rufe", down);
    w.WriteSeries(1, "Auf-Rufe", up);
    w.Close();
}

} // namespace

void DrawWaitingTimeChart(StatisticsStore& s, TChartfx& chart) {
    const int count = s.FloorCount;
    for (int f = 1; f <= count; ++f) {
        s.WaitUp[f] = AverageSeconds(std::int64_t{s.WaitSum[AUp][f]} + s.WaitSum[BUp][f],
                                     Calls(s, AUp, BUp, f));
        s.WaitDown[f] = AverageSeconds(std::int64_t{s.WaitSum[ADown][f]} + s.WaitSum[BDown][f],
                                       Calls(s, ADown, BDown, f));
    }
    DrawDownUp(s, chart, "Durchschnittliche Wartezeit auf den Etagen", "Wartezeit in sec",
               Floors(s.WaitDown, count), Floors(s.WaitUp, count));
}

void DrawAllCallsChart(StatisticsStore& s, TChartfx& chart) {
    const int count = s.FloorCount;
    for (int f = 1; f <= count; ++f) {
        s.DownTotal[f] = Calls(s, ADown, BDown, f);
        s.UpTotal[f] = Calls(s, AUp, BUp, f);
    }
    DrawDownUp(s, chart, "Anzahl der Außenrufe auf den Etagen", "Anzahl der Außenrufe",
               Floors(s.DownTotal, count), Floors(s.UpTotal, count));
}

void DrawDoorChart(ChartId id, StatisticsStore& s, TChartfx& chart) {
    struct Door {
        ChartId id;
        CallGroup group;
        const char* title;
        const char* legend;
    };
    static const Door kDoors[] = {
        {ChartId::count_a_ab, ADown, "Anzahl der Ab-Rufe Tür A auf den Etagen", "Ab-Rufe"},
        {ChartId::count_a_auf, AUp, "Anzahl der Auf-Rufe Tür A auf den Etagen", "Auf-Rufe"},
        {ChartId::count_b_ab, BDown, "Anzahl der Ab-Rufe Tür B auf den Etagen", "Ab-Rufe"},
        {ChartId::count_b_auf, BUp, "Anzahl der Auf-Rufe Tür B auf den Etagen", "Auf-Rufe"},
    };
    for (const Door& door : kDoors) {
        if (door.id != id)
            continue;
        ChartWriter w(chart, s);
        w.PrepareChart(door.title, "Anzahl Rufe", "Etagen", s.FloorCount, LabelKind::Floors, 1);
        w.WriteSeries(0, door.legend, Floors(s.CallStat[door.group][0], s.FloorCount));
        w.Close();
    }
}
