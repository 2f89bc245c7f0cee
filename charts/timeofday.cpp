// The three charts over the 24 hours of the day.
#include "charts/chartprep.h"
#include "charts/charts.h"
#include "statglob/text.h"

namespace {

// Per hour, the sum over floors 1..FloorCount of the chosen hour tables.
std::vector<std::int64_t> HourlySums(const StatisticsStore& s, bool down, bool up) {
    std::vector<std::int64_t> sums(kHours, 0);
    for (int h = 0; h < kHours; ++h)
        for (int f = 1; f <= s.FloorCount; ++f)
            sums[h] +=
                (down ? s.HourDown[h + 1][f] : 0) + std::int64_t{up ? s.HourUp[h + 1][f] : 0};
    return sums;
}

} // namespace

void DrawCallsPerHourChart(StatisticsStore& s, TChartfx& chart) {
    const auto sums = HourlySums(s, true, true);
    ChartWriter w(chart, s);
    w.PrepareChart("Anzahl der Außenrufe über der Uhrzeit", "Anzahl der Außenrufe", "Uhrzeit",
                   kHours, LabelKind::Hours, 1);
    w.WriteSeries(0, "Rufe", sums);
    w.Close();
}

void DrawUpDownPerHourChart(StatisticsStore& s, TChartfx& chart) {
    ChartWriter w(chart, s);
    w.PrepareChart("Anzahl der Auf/Ab-Rufe über der Uhrzeit", "Anzahl der Rufe", "Uhrzeit", kHours,
                   LabelKind::Hours, 2);
    w.WriteSeries(0, "Ab-Rufe", HourlySums(s, true, false));
    w.WriteSeries(1, "Auf-Rufe", HourlySums(s, false, true));
    w.Close();
}

void DrawCallsPerHourAndFloorChart(StatisticsStore& s, TChartfx& chart) {
    ChartWriter w(chart, s);
    w.PrepareChart("Anzahl der Rufe über der Uhrzeit und den Etagen", "Anzahl der Rufe", "Uhrzeit",
                   kHours, LabelKind::Hours, s.FloorCount);
    for (int series = 0; series < s.FloorCount; ++series) {
        std::vector<std::int64_t> values(kHours);
        for (int h = 0; h < kHours; ++h)
            values[h] = std::int64_t{s.HourUp[h + 1][series + 1]} + s.HourDown[h + 1][series + 1];
        w.WriteSeries(series, Cp1252ToUtf8(s.FloorNames[series].view()), values);
    }
    w.Close();
}
