// What a chart control makes of the operations: the published chart and its persistence.
#include "recordingchartfx.h"

#include <gtest/gtest.h>

namespace {

void DrawBars(RecordingChartfx& c, int series, int points) {
    c.SetChart3D(false);
    for (int i = 0; i < points; ++i) {
        c.SetChartType(2);
        c.SetPointLegend(static_cast<std::int16_t>(i), "P" + std::to_string(i));
    }
    c.SetChartTitle(2, "Titel");
    c.OpenChartData(1, series, points);
    for (int s = 0; s < series; ++s) {
        c.SetThisSerie(static_cast<std::int16_t>(s));
        c.SetSeriesLegend(static_cast<std::int16_t>(s), "S" + std::to_string(s));
        for (int i = 0; i < points; ++i)
            c.SetPointValue(static_cast<std::int16_t>(i), 10.0 * s + i);
    }
    c.SetChartAdm(1, 100);
    c.CloseChartData(1);
}

} // namespace

TEST(RecordingChartfx, PublishesOnlyOnClose) {
    RecordingChartfx c;
    DrawBars(c, 2, 3);
    const ChartModel& m = c.shown();
    EXPECT_EQ(m.categories, (std::vector<std::string>{"P0", "P1", "P2"}));
    ASSERT_EQ(m.series.size(), 2u);
    EXPECT_EQ(m.series[1].legend, "S1");
    EXPECT_EQ(m.series[1].values, (std::vector<double>{10, 11, 12}));
    EXPECT_EQ(m.axisMax, 100);
    EXPECT_EQ(m.heading(), "Titel");

    // A new chart in the making does not change what is shown until it is closed.
    c.SetChartTitle(2, "Neu");
    c.OpenChartData(1, 1, 1);
    EXPECT_EQ(c.shown().heading(), "Titel");
    EXPECT_EQ(c.shown().series.size(), 2u);
    c.CloseChartData(1);
    EXPECT_EQ(c.shown().heading(), "Neu");
    EXPECT_EQ(c.shown().series.size(), 1u);
}

TEST(RecordingChartfx, OpenReplacesDataButKeepsSettingsAndLegends) {
    RecordingChartfx c;
    c.SetAngles3D(0x00190032);
    DrawBars(c, 3, 40);
    // A smaller chart: legends written before the open survive it, stale ones beyond go.
    DrawBars(c, 1, 4);
    const ChartModel& m = c.shown();
    EXPECT_EQ(m.categories.size(), 4u);
    EXPECT_EQ(m.series.size(), 1u);
    EXPECT_EQ(m.series[0].values.size(), 4u);
    EXPECT_EQ(m.angleLow(), 50); // settings persist from chart to chart
    EXPECT_EQ(m.angleHigh(), 25);

    // No points at all: the chart is empty, not a left-over.
    c.OpenChartData(1, 2, 0);
    c.CloseChartData(1);
    EXPECT_TRUE(c.shown().categories.empty());
    EXPECT_EQ(c.shown().series.size(), 2u);
    EXPECT_TRUE(c.shown().series[0].values.empty());
}

TEST(RecordingChartfx, OutOfRangeIndicesAreIgnored) {
    RecordingChartfx c;
    c.OpenChartData(1, 1, 2);
    c.SetThisSerie(5);
    c.SetPointValue(0, 9); // no such series
    c.SetThisSerie(0);
    c.SetPointValue(-1, 9);
    c.SetPointValue(2, 9);
    c.SetSeriesLegend(3, "x");
    c.SetChartTitle(7, "x");
    c.SetChartTitle(-1, "x");
    c.SetPointLegend(-3, "x");
    c.CloseChartData(1);
    EXPECT_EQ(c.shown().series[0].values, (std::vector<double>{0, 0}));
    EXPECT_EQ(c.operations().size(), 11u);
}

TEST(RecordingChartfx, GapsApplyToTheShownChartAndPrintSeesThem) {
    RecordingChartfx c;
    DrawBars(c, 1, 2);
    c.SetBottomGap(200);
    c.SetTopGap(200);
    c.PrintChart();
    c.SetBottomGap(40);
    c.SetTopGap(40);
    ASSERT_EQ(c.printed().size(), 1u);
    EXPECT_EQ(c.printed()[0].topGap, 200);
    EXPECT_EQ(c.printed()[0].bottomGap, 200);
    EXPECT_EQ(c.printed()[0].heading(), "Titel");
    EXPECT_EQ(c.TopGap(), 40);
    EXPECT_EQ(c.BottomGap(), 40);
    const std::vector<std::string> tail(c.operations().end() - 5, c.operations().end());
    EXPECT_EQ(tail, (std::vector<std::string>{"BottomGap=200", "TopGap=200", "PrintChart()",
                                              "BottomGap=40", "TopGap=40"}));
}
