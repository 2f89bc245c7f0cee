// What a chart control makes of the operations: the published chart and its persistence.
#include "chartfx3/recordingchartfx.h"

#include <gtest/gtest.h>

namespace {

void DrawBars(RecordingChartfx& c, const std::string& title, int series, int points) {
    for (int i = 0; i < points; ++i)
        c.SetPointLegend(static_cast<std::int16_t>(i), "P" + std::to_string(i));
    c.SetChartTitle(2, title);
    c.OpenChartData(1, series, points);
    for (int s = 0; s < series; ++s) {
        c.SetThisSerie(static_cast<std::int16_t>(s));
        c.SetSeriesLegend(static_cast<std::int16_t>(s), "S" + std::to_string(s));
        for (int i = 0; i < points; ++i)
            c.SetPointValue(static_cast<std::int16_t>(i), 10.0 * s + i);
    }
    c.SetChartAdm(1, 100);
}

} // namespace

TEST(RecordingChartfx, PublishesOnCloseReplacesTheDataIgnoresBadIndices) {
    RecordingChartfx c;
    c.SetAngles3D(0x00190032);
    DrawBars(c, "Erst", 3, 40);
    c.CloseChartData(1);
    DrawBars(c, "Dann", 2, 3);
    EXPECT_EQ(c.shown().heading(), "Erst"); // nothing changes on screen before the close
    c.CloseChartData(1);
    const ChartModel& m = c.shown();
    EXPECT_EQ(m.heading(), "Dann");
    EXPECT_EQ(m.categories, (std::vector<std::string>{"P0", "P1", "P2"})); // stale ones gone
    ASSERT_EQ(m.series.size(), 2u);
    EXPECT_EQ(m.series[1].legend, "S1");
    EXPECT_EQ(m.series[1].values, (std::vector<double>{10, 11, 12}));
    EXPECT_EQ(m.axisMax, 100);
    EXPECT_EQ(m.angleLow(), 50); // settings persist from chart to chart
    EXPECT_EQ(m.angleHigh(), 25);
    c.OpenChartData(1, 2, 0); // no points at all: an empty chart, not a left-over
    c.CloseChartData(1);
    EXPECT_TRUE(c.shown().categories.empty());
    EXPECT_TRUE(c.shown().series[0].values.empty());
    // Indices out of range are recorded and otherwise ignored.
    RecordingChartfx d;
    d.OpenChartData(1, 1, 2);
    d.SetThisSerie(5);
    d.SetPointValue(0, 9); // no such series
    d.SetThisSerie(0);
    for (const std::int16_t i : {-1, 2})
        d.SetPointValue(i, 9);
    d.SetSeriesLegend(3, "x");
    d.SetChartTitle(7, "x");
    d.SetChartTitle(-1, "x");
    d.SetPointLegend(-3, "x");
    d.CloseChartData(1);
    EXPECT_EQ(d.shown().series[0].values, (std::vector<double>{0, 0}));
    EXPECT_EQ(d.operations().size(), 11u);
}
