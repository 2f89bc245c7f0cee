// The two charts with one point per shaft.
#include "charts/chartprep.h"
#include "charts/charts.h"

void DrawShaftDistributionChart(StatisticsStore& s, TChartfx& chart) {
    s.ShaftCallTotal = {0, 0, 0, 0};
    for (int f = 1; f <= s.FloorCount; ++f)
        for (int shaft = 0; shaft < kShafts; ++shaft)
            for (int g = 0; g < kCallGroups; ++g)
                s.ShaftCallTotal[shaft] += s.CallStat[g][shaft + 1][f];
    ChartWriter w(chart, s);
    w.PrepareChart("Rufverteilung auf die Schächte", "", "", kShafts, LabelKind::ShaftsPie, 1);
    // The slices are written without raising ChartMax; the axis maximum is their plain sum.
    chart.SetThisSerie(0);
    chart.SetSeriesLegend(0, "Rufverteilung");
    for (int shaft = 0; shaft < kShafts; ++shaft)
        chart.SetPointValue(static_cast<std::int16_t>(shaft),
                            static_cast<double>(s.ShaftCallTotal[shaft]));
    w.ChartMax = 0;
    for (std::int64_t total : s.ShaftCallTotal)
        w.ChartMax += total;
    w.CloseUnrounded();
}

void DrawFloorsPassedChart(StatisticsStore& s, TChartfx& chart) {
    ChartWriter w(chart, s);
    w.PrepareChart("Anzahl der überfahrenen Etagen", "Anzahl Etagen", "Schacht", kShafts,
                   LabelKind::ShaftsBars, 1);
    w.WriteSeries(0, "überfahrene Etagen",
                  std::vector<std::int64_t>(s.TravelCount.begin(), s.TravelCount.end()));
    w.Close();
}
