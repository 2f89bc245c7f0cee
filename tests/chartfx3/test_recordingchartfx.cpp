// What a chart control makes of the operations: the published chart and its persistence.
#include "chartfx3/recordingchartfx.h"

#include <gtest/gtest.h>

TEST(RecordingChartfx, PublishesOnCloseReplacesTheDataIgnoresBadIndices) {
    RecordingChartfx c(false);
    c.SetAngles3D(0x00190032);
    for (const auto& [title, points] : {std::pair{"Erst", 40}, std::pair{"Dann", 3}}) {
        for (int i = 0; i < points; ++i)
            c.SetPointLegend(static_cast<std::int16_t>(i), "P" + std::to_string(i));
        c.SetChartTitle(2, title);
        c.OpenChartData(1, 2, points);
        c.SetThisSerie(1);
        c.SetPointValue(2, 12);
        EXPECT_NE(c.shown().heading(), title); // nothing changes on screen before the close
        c.CloseChartData(1);
    }
    const ChartModel& m = c.shown();
    EXPECT_EQ(m.categories, (std::vector<std::string>{"P0", "P1", "P2"})); // stale ones gone
    EXPECT_EQ(m.series.at(1).values, (std::vector<double>{0, 0, 12}));
    EXPECT_EQ(m.angleLow() * 100 + m.angleHigh(), 5025); // settings persist from chart to chart
    // Indices out of range are ignored.
    c.SetThisSerie(5);
    c.SetPointValue(0, 9); // no such series
    c.SetThisSerie(0);
    for (const std::int16_t i : {-1, 3})
        c.SetPointValue(i, 9);
    c.SetSeriesLegend(3, "x");
    c.SetChartTitle(7, "x");
    c.SetPointLegend(-3, "x");
    c.CloseChartData(1);
    EXPECT_EQ(c.shown().series.at(0).values, (std::vector<double>{0, 0, 0}));
}
