// The common pattern of every chart: preparation, 3-D switch, fonts, running maximum, scale.
#include "chartprep.h"
#include "charts.h"
#include "recordingchartfx.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

long Count(const std::vector<std::string>& ops, const std::string& prefix) {
    return std::count_if(ops.begin(), ops.end(),
                         [&](const std::string& op) { return op.rfind(prefix, 0) == 0; });
}

} // namespace

TEST(ChartPattern, WaitingTimeChartOfTwelveFloorsSendsExactlyThis) {
    StatisticsStore s;
    s.FloorCount = 12;
    for (int f = 1; f <= 12; ++f) {
        s.CallStat[ADown][0][f] = s.CallStat[AUp][0][f] = 2;
        s.WaitSum[ADown][f] = 1000 * f; // 5*f seconds down
        s.WaitSum[BUp][f] = 600;        // 3 seconds up
    }
    RecordingChartfx c;
    DrawChart(ChartId::w_time, s, c);

    std::vector<std::string> expected = {"Decimals=0", "FixedGap=1",
                                         "XLegFont.Name=\"Arial Narrow\"", "Chart3D=false",
                                         "XLegFont.Size=8"};
    const char* names[12] = {"KG", "EG", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    for (int i = 0; i < 12; ++i) {
        expected.push_back("ChartType=2");
        expected.push_back("SetPointLegend(" + std::to_string(i) + ",\"" + names[i] + "\")");
    }
    for (const char* op : {"SetChartTitle(0,\"Wartezeit in sec\")",
                           "SetChartTitle(2,\"Durchschnittliche Wartezeit auf den Etagen\")",
                           "SetChartTitle(3,\"Etagen\")", "OpenChartData(1,2,12)", "ThisSerie=0",
                           "SetSeriesLegend(0,\"Ab-Rufe\")"})
        expected.push_back(op);
    for (int i = 0; i < 12; ++i)
        expected.push_back("SetPointValue(" + std::to_string(i) + "," + std::to_string(5 * i + 5) +
                           ")");
    expected.push_back("ThisSerie=1");
    expected.push_back("SetSeriesLegend(1,\"Auf-Rufe\")");
    for (int i = 0; i < 12; ++i)
        expected.push_back("SetPointValue(" + std::to_string(i) + ",3)");
    expected.push_back("SetChartAdm(1,100)"); // largest value 60
    expected.push_back("CloseChartData(1)");
    EXPECT_EQ(c.operations(), expected);
}

TEST(ChartPattern, ThreeDimensionalFromThreeSeriesOn) {
    for (const int floors : {1, 2, 3, 40}) {
        StatisticsStore s;
        s.FloorCount = static_cast<std::uint8_t>(floors);
        RecordingChartfx control;
        DrawChart(ChartId::RufeZeitEt, s, control);
        const auto& ops = control.operations();
        const bool threeD = floors >= 3;
        EXPECT_EQ(control.shown().chart3D, threeD) << floors;
        EXPECT_EQ(control.shown().series.size(), static_cast<std::size_t>(floors));
        const auto on = std::find(ops.begin(), ops.end(), "Chart3D=true");
        EXPECT_EQ(on != ops.end(), threeD);
        EXPECT_EQ(Count(ops, "Angles3D="), threeD ? 1 : 0); // right after the switch only
        if (threeD) {
            EXPECT_EQ(*(on + 1), "Angles3D=1638450");
        }
    }
}

TEST(ChartPattern, LabelKindDecidesTypeFontAndLegends) {
    const struct {
        ChartId id;
        int fontSize, chartType;
        std::size_t points;
        const char* lastLegend;
    } cases[] = {
        {ChartId::count_hour, 7, 2, 24, "23:00 Uhr"},
        {ChartId::RufeZeitEt, 7, 2, 24, "23:00 Uhr"},
        {ChartId::count, 8, 2, 5, "3"},
        {ChartId::count_b_ab, 8, 2, 5, "3"},
        {ChartId::Verteil, 8, 5, 4, "Schacht D"},
        {ChartId::Travel, 8, 2, 4, "Schacht D"},
    };
    for (const auto& c : cases) {
        StatisticsStore s;
        s.FloorCount = 5;
        RecordingChartfx control;
        DrawChart(c.id, s, control);
        const ChartModel& m = control.shown();
        EXPECT_EQ(m.categoryFontSize, c.fontSize) << ChartStem(c.id);
        EXPECT_EQ(m.categoryFont, "Arial Narrow");
        EXPECT_EQ(m.chartType, c.chartType) << ChartStem(c.id);
        ASSERT_EQ(m.categories.size(), c.points) << ChartStem(c.id);
        EXPECT_EQ(m.categories.back(), c.lastLegend);
        EXPECT_EQ(Count(control.operations(), "ChartType="), static_cast<long>(c.points));
    }
}

TEST(ChartPattern, NoFloorsForEveryChartFamily) {
    const struct {
        ChartId id;
        std::string open;
        std::size_t series;
        double axisMax;
    } cases[] = {
        {ChartId::w_time, "OpenChartData(1,2,0)", 2, 100},
        {ChartId::count_a_auf, "OpenChartData(1,1,0)", 1, 100},
        {ChartId::count_hour_ab, "OpenChartData(1,2,24)", 2, 100},
        {ChartId::RufeZeitEt, "OpenChartData(1,0,24)", 0, 100},
        {ChartId::Verteil, "OpenChartData(1,1,4)", 1, 0},
    };
    for (const auto& c : cases) {
        StatisticsStore s;
        RecordingChartfx control;
        control.SetChartType(5); // left by an earlier pie
        DrawChart(c.id, s, control);
        const auto& ops = control.operations();
        const ChartModel& m = control.shown();
        EXPECT_EQ(Count(ops, c.open), 1) << ChartStem(c.id);
        ASSERT_EQ(m.series.size(), c.series) << ChartStem(c.id);
        for (const ChartSeries& series : m.series)
            EXPECT_EQ(std::count(series.values.begin(), series.values.end(), 0.0),
                      static_cast<long>(series.values.size()));
        EXPECT_EQ(m.axisMax, c.axisMax) << ChartStem(c.id);
        if (c.open.find(",0)") != std::string::npos) { // no points: no legends, type unchanged
            EXPECT_EQ(Count(ops, "SetPointLegend") + Count(ops, "SetPointValue"), 0);
            EXPECT_EQ(m.chartType, 5) << ChartStem(c.id);
        }
    }
}

TEST(ChartPattern, ScaleFromTheLargestValueOfAllSeries) {
    const std::pair<std::int64_t, std::int64_t> rounding[] = {{0, 100},
                                                              {99, 100},
                                                              {100, 200},
                                                              {101, 200},
                                                              {250, 300},
                                                              {1234, 1300},
                                                              {4294967294, 4294967300}};
    for (const auto& [max, axis] : rounding)
        EXPECT_EQ(ChartWriter::RoundUpScale(max), axis) << max;

    const struct {
        std::vector<std::int64_t> first, second;
        double axisMax;
    } cases[] = {
        {{1, 2, 3}, {150, 0, 0}, 200}, // the largest value sits in the second series
        {{-5, -500}, {-1}, 100},       // nothing above 0: the maximum stays 0
    };
    for (const auto& c : cases) {
        StatisticsStore s;
        RecordingChartfx control;
        ChartWriter w(control, s);
        w.PrepareChart("t", "v", "k", 3, LabelKind::Floors, 2);
        w.WriteSeries(0, "a", c.first);
        w.WriteSeries(1, "b", c.second);
        w.Close();
        EXPECT_EQ(control.shown().axisMax, c.axisMax);
    }
}
