// The common pattern of every chart: preparation, 3-D switch, fonts, running maximum, scale.
#include "chartprep.h"
#include "charts.h"
#include "recordingchartfx.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

StatisticsStore StoreWithFloors(int floors, std::int32_t value = 0) {
    StatisticsStore s;
    s.FloorCount = static_cast<std::uint8_t>(floors);
    for (int f = 1; f <= floors; ++f) {
        for (auto& group : s.CallStat)
            for (auto& row : group)
                row[f] = value;
        for (auto& wait : s.WaitSum)
            wait[f] = value * 100;
        for (int r = 1; r <= kHours; ++r)
            s.HourDown[r][f] = s.HourUp[r][f] = value;
    }
    return s;
}

bool Has(const std::vector<std::string>& ops, const std::string& op) {
    return std::find(ops.begin(), ops.end(), op) != ops.end();
}

long Count(const std::vector<std::string>& ops, const std::string& prefix) {
    return std::count_if(ops.begin(), ops.end(),
                         [&](const std::string& op) { return op.rfind(prefix, 0) == 0; });
}

} // namespace

TEST(ChartPattern, WaitingTimeChartOfTwelveFloorsSendsExactlyThis) {
    StatisticsStore s = StoreWithFloors(12, 1);
    for (int f = 1; f <= 12; ++f) {
        s.WaitSum[ADown][f] = 1000 * f; // 2 down calls: 5*f seconds
        s.WaitSum[BDown][f] = 0;
        s.WaitSum[AUp][f] = s.WaitSum[BUp][f] = 300; // 2 up calls: 3 seconds
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
    expected.push_back("SetChartTitle(0,\"Wartezeit in sec\")");
    expected.push_back("SetChartTitle(2,\"Durchschnittliche Wartezeit auf den Etagen\")");
    expected.push_back("SetChartTitle(3,\"Etagen\")");
    expected.push_back("OpenChartData(1,2,12)");
    expected.push_back("ThisSerie=0");
    expected.push_back("SetSeriesLegend(0,\"Ab-Rufe\")");
    for (int i = 0; i < 12; ++i)
        expected.push_back("SetPointValue(" + std::to_string(i) + "," +
                           std::to_string(5 * (i + 1)) + ")");
    expected.push_back("ThisSerie=1");
    expected.push_back("SetSeriesLegend(1,\"Auf-Rufe\")");
    for (int i = 0; i < 12; ++i)
        expected.push_back("SetPointValue(" + std::to_string(i) + ",3)");
    expected.push_back("SetChartAdm(1,100)"); // largest value 60
    expected.push_back("CloseChartData(1)");
    EXPECT_EQ(c.operations(), expected);
}

TEST(ChartPattern, ThreeDimensionalFromThreeSeriesOn) {
    const struct {
        int floors;
        bool threeD;
    } cases[] = {{1, false}, {2, false}, {3, true}, {40, true}};
    for (const auto& c : cases) {
        StatisticsStore s = StoreWithFloors(c.floors, 1);
        RecordingChartfx control;
        DrawChart(ChartId::RufeZeitEt, s, control);
        const auto& ops = control.operations();
        EXPECT_EQ(control.shown().chart3D, c.threeD) << c.floors;
        EXPECT_EQ(Has(ops, "Angles3D=1638450"), c.threeD) << c.floors;
        EXPECT_EQ(control.shown().series.size(), static_cast<std::size_t>(c.floors));
        if (c.threeD) { // the angles follow the switch directly
            const auto on = std::find(ops.begin(), ops.end(), "Chart3D=true");
            ASSERT_NE(on, ops.end());
            EXPECT_EQ(*(on + 1), "Angles3D=1638450");
        }
    }
}

TEST(ChartPattern, LabelKindDecidesTypeFontAndLegends) {
    const struct {
        ChartId id;
        int fontSize;
        int chartType;
        std::size_t points;
        const char* firstLegend;
    } cases[] = {
        {ChartId::count_hour, 7, 2, 24, "0:00 Uhr"},
        {ChartId::count_hour_ab, 7, 2, 24, "0:00 Uhr"},
        {ChartId::RufeZeitEt, 7, 2, 24, "0:00 Uhr"},
        {ChartId::count, 8, 2, 5, "KG"},
        {ChartId::w_time, 8, 2, 5, "KG"},
        {ChartId::count_b_ab, 8, 2, 5, "KG"},
        {ChartId::Verteil, 8, 5, 4, "Schacht A"},
        {ChartId::Travel, 8, 2, 4, "Schacht A"},
    };
    for (const auto& c : cases) {
        StatisticsStore s = StoreWithFloors(5, 2);
        RecordingChartfx control;
        DrawChart(c.id, s, control);
        const ChartModel& m = control.shown();
        EXPECT_EQ(m.categoryFontSize, c.fontSize) << ChartStem(c.id);
        EXPECT_EQ(m.categoryFont, "Arial Narrow");
        EXPECT_EQ(m.chartType, c.chartType) << ChartStem(c.id);
        ASSERT_EQ(m.categories.size(), c.points) << ChartStem(c.id);
        EXPECT_EQ(m.categories[0], c.firstLegend);
        EXPECT_EQ(Count(control.operations(), "ChartType="), static_cast<long>(c.points));
    }
}

TEST(ChartPattern, NoFloorsForEveryChartFamily) {
    const std::vector<double> zeros24(24, 0.0);
    const struct {
        ChartId id;
        std::string open;
        std::size_t seriesCount;
        std::vector<double> firstSeries;
        double axisMax;
    } cases[] = {
        {ChartId::w_time, "OpenChartData(1,2,0)", 2, {}, 100},
        {ChartId::count, "OpenChartData(1,2,0)", 2, {}, 100},
        {ChartId::count_a_auf, "OpenChartData(1,1,0)", 1, {}, 100},
        {ChartId::count_hour, "OpenChartData(1,1,24)", 1, zeros24, 100},
        {ChartId::count_hour_ab, "OpenChartData(1,2,24)", 2, zeros24, 100},
        {ChartId::RufeZeitEt, "OpenChartData(1,0,24)", 0, {}, 100},
        {ChartId::Verteil, "OpenChartData(1,1,4)", 1, {0, 0, 0, 0}, 0},
        {ChartId::Travel, "OpenChartData(1,1,4)", 1, {250, 0, 0, 0}, 300},
    };
    for (const auto& c : cases) {
        StatisticsStore s = StoreWithFloors(0);
        s.TravelCount = {250, 0, 0, 0};
        RecordingChartfx control;
        control.SetChartType(5); // left by an earlier pie
        DrawChart(c.id, s, control);
        const auto& ops = control.operations();
        const ChartModel& m = control.shown();
        EXPECT_TRUE(Has(ops, c.open)) << ChartStem(c.id);
        ASSERT_EQ(m.series.size(), c.seriesCount) << ChartStem(c.id);
        if (!m.series.empty()) {
            EXPECT_EQ(m.series[0].values, c.firstSeries) << ChartStem(c.id);
        }
        EXPECT_EQ(m.axisMax, c.axisMax) << ChartStem(c.id);
        if (c.open.substr(c.open.size() - 3) == ",0)") {
            // No points: no legends, no values, and the chart type stays as it was.
            EXPECT_EQ(Count(ops, "SetPointLegend"), 0) << ChartStem(c.id);
            EXPECT_EQ(Count(ops, "SetPointValue"), 0) << ChartStem(c.id);
            EXPECT_EQ(m.chartType, 5) << ChartStem(c.id);
        }
    }
}

TEST(ChartPattern, RoundUpScale) {
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {0, 100},   {1, 100},   {99, 100},    {100, 200},
        {101, 200}, {250, 300}, {1234, 1300}, {4294967294LL, 4294967300LL}};
    for (const auto& [max, axis] : cases)
        EXPECT_EQ(ChartWriter::RoundUpScale(max), axis) << max;
}

TEST(ChartPattern, RunningMaximumSpansAllSeriesAndIgnoresNegatives) {
    const struct {
        std::vector<std::int64_t> first, second;
        double axisMax;
    } cases[] = {
        {{1, 2, 3}, {150, 0, 0}, 200}, // the largest value sits in the second series
        {{100, 100}, {100}, 200},      // equal values do not move it
        {{-5, -500}, {-1}, 100},       // nothing above 0: the maximum stays 0
        {{99}, {}, 100},
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
