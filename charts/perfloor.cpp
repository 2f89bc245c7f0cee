// The six charts with one point per floor.
#include "chartprep.h"
#include "charts.h"

namespace {

// Values of floors 1..FloorCount of a per-floor table, as points 0..FloorCount-1.
template <typename Table> std::vector<std::int64_t> Floors(const Table& t, int count) {
    return std::vector<std::int64_t>(t.begin() + 1, t.begin() + 1 + count);
}

// Whole seconds from hundredths summed over `calls` calls; 0 when there are no calls.
std::int32_t AverageSeconds(std::int64_t waitSum, std::int64_t calls) {
    return calls > 0 ? static_cast<std::int32_t>(waitSum / (calls * 100)) : 0;
}

} // namespace

void DrawWaitingTimeChart(StatisticsStore& s, TChartfx& chart) {
    const int count = s.FloorCount;
    for (int f = 1; f <= count; ++f) {
        const std::int64_t up = std::int64_t{s.CallStat[AUp][0][f]} + s.CallStat[BUp][0][f];
        const std::int64_t down = std::int64_t{s.CallStat[ADown][0][f]} + s.CallStat[BDown][0][f];
        s.WaitUp[f] = AverageSeconds(std::int64_t{s.WaitSum[AUp][f]} + s.WaitSum[BUp][f], up);
        s.WaitDown[f] =
            AverageSeconds(std::int64_t{s.WaitSum[ADown][f]} + s.WaitSum[BDown][f], down);
    }
    ChartWriter w(chart, s);
    w.PrepareChart("Durchschnittliche Wartezeit auf den Etagen", "Wartezeit in sec", "Etagen",
                   s.FloorCount, LabelKind::Floors, 2);
    w.WriteSeries(0, "Ab-Rufe", Floors(s.WaitDown, count));
    w.WriteSeries(1, "Auf-Rufe", Floors(s.WaitUp, count));
    w.Close();
}

void DrawAllCallsChart(StatisticsStore& s, TChartfx& chart) {
    const int count = s.FloorCount;
    for (int f = 1; f <= count; ++f) {
        s.DownTotal[f] = std::int64_t{s.CallStat[ADown][0][f]} + s.CallStat[BDown][0][f];
        s.UpTotal[f] = std::int64_t{s.CallStat[AUp][0][f]} + s.CallStat[BUp][0][f];
    }
    ChartWriter w(chart, s);
    w.PrepareChart("Anzhal der Außenrufe auf den Etagen", "Anzahl der Außenrufe", "Etagen",
                   s.FloorCount, LabelKind::Floors, 2);
    w.WriteSeries(0, "Ab-Rufe", Floors(s.DownTotal, count));
    w.WriteSeries(1, "Auf-Rufe", Floors(s.UpTotal, count));
    w.Close();
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
