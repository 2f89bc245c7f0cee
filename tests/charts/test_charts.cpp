// The eleven charts: what each sends to the control (the 3-D switch, fonts, the running maximum
// and the scale they share), their derived tables and sums.
#include "chartfx3/recordingchartfx.h"
#include "charts/chartprep.h"
#include "charts/charts.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

ChartModel Draw(ChartId id, StatisticsStore& s) {
    RecordingChartfx control;
    DrawChart(id, s, control);
    return control.shown();
}

std::vector<double> Values(const ChartModel& m, std::size_t series = 0) {
    return series < m.series.size() ? m.series[series].values : std::vector<double>{};
}

} // namespace

TEST(ChartPattern, EveryChartFamilyWithAndWithoutFloors) {
    // Type, font and point legends by the kind of labels; 3-D from three series on, the angles
    // right after the switch; without floors no legends and the type left as it was.
    const struct {
        ChartId id;
        int floors, fontSize;
        ChartKind kind;
        std::size_t points, series;
        const char* lastLegend;
        bool threeD;
    } cases[] = {
        {ChartId::count_hour, 5, 7, ChartKind::Bars, 24, 1, "23:00 Uhr", false},
        {ChartId::RufeZeitEt, 2, 7, ChartKind::Bars, 24, 2, "23:00 Uhr", false},
        {ChartId::RufeZeitEt, 3, 7, ChartKind::Bars, 24, 3, "23:00 Uhr", true},
        {ChartId::RufeZeitEt, 40, 7, ChartKind::Bars, 24, 40, "23:00 Uhr", true},
        {ChartId::count, 5, 8, ChartKind::Bars, 5, 2, "3", false},
        {ChartId::count_b_ab, 5, 8, ChartKind::Bars, 5, 1, "3", false},
        {ChartId::Verteil, 5, 8, ChartKind::Pie, 4, 1, "Schacht D", false},
        {ChartId::Travel, 5, 8, ChartKind::Bars, 4, 1, "Schacht D", false},
        {ChartId::w_time, 0, 8, ChartKind::Pie, 0, 2, "", false},
        {ChartId::count_a_auf, 0, 8, ChartKind::Pie, 0, 1, "", false},
        {ChartId::count_hour_ab, 0, 7, ChartKind::Bars, 24, 2, "23:00 Uhr", false},
        {ChartId::RufeZeitEt, 0, 7, ChartKind::Bars, 24, 0, "23:00 Uhr", false},
        {ChartId::Verteil, 0, 8, ChartKind::Pie, 4, 1, "Schacht D", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(ChartOf(c.id).stem) + " " + std::to_string(c.floors));
        StatisticsStore s;
        s.FloorCount = static_cast<std::uint8_t>(c.floors);
        RecordingChartfx control;
        control.SetChartType(TChartfx::kPieChart); // left by an earlier pie
        DrawChart(c.id, s, control);
        const ChartModel& m = control.shown();
        EXPECT_EQ(m.categoryFontSize, c.fontSize);
        EXPECT_EQ(m.kind, c.kind);
        // A floor's tooltip names it "Etage ...".
        EXPECT_EQ(m.pointName, ChartOf(c.id).shape.points == ChartPoints::Floors ? "Etage" : "");
        ASSERT_EQ(m.categories.size(), c.points);
        ASSERT_EQ(m.series.size(), c.series);
        EXPECT_EQ(m.categories.empty() ? "" : m.categories.back(), c.lastLegend);
        for (const ChartSeries& series : m.series)
            EXPECT_EQ(std::count(series.values.begin(), series.values.end(), 0.0),
                      static_cast<long>(series.values.size()));
        EXPECT_EQ(m.axisMax, c.id == ChartId::Verteil ? 0 : 100); // all zero: the least scale
        EXPECT_EQ(m.chart3D, c.threeD);
        EXPECT_EQ(m.angles3D, c.threeD ? 0x00190032 : 0);
    }
}

TEST(ChartPattern, ScaleFromTheLargestValueOfAllSeries) {
    const std::pair<std::int64_t, std::int64_t> rounding[] = {
        {0, 100}, {99, 100}, {100, 200}, {101, 200}, {1234, 1300}, {4294967294, 4294967300}};
    for (const auto& [max, axis] : rounding)
        EXPECT_EQ(ChartWriter::RoundUpScale(max), axis) << max;
}

TEST(PerFloorCharts, WholeSecondsOfWaitingAndTheGroupsOverTheCurrentFloors) {
    const struct {
        std::int32_t sumA, sumB, callsA, callsB, down, up;
    } cases[] = {
        {1250, 550, 3, 3, 3, 3},                          // 1800 / 600
        {1799, 0, 6, 0, 2, 2},                            // 2.998 s is 2 s, not 3
        {1000, 0, 0, 0, 0, 0},                            // no calls: 0 whatever the sum
        {500, 0, -3, 1, 0, 0},                            // a count sum below 1 counts as no calls
        {INT32_MAX, INT32_MAX, 1, 0, 42949672, 42949672}, // the sum leaves 32 bits
        {-900, 0, 1, 0, -9, -9},                          // division truncates toward zero
    };
    for (const auto& c : cases) {
        StatisticsStore s;
        s.FloorCount = 1;
        s.WaitSum[ADown][1] = s.WaitSum[BUp][1] = c.sumA;
        s.WaitSum[BDown][1] = s.WaitSum[AUp][1] = c.sumB;
        s.CallStat[ADown][0][1] = s.CallStat[BUp][0][1] = c.callsA;
        s.CallStat[BDown][0][1] = s.CallStat[AUp][0][1] = c.callsB;
        const ChartModel m = Draw(ChartId::w_time, s);
        EXPECT_EQ(Values(m, 0), std::vector<double>{double(c.down)}) << c.sumA << " " << c.callsA;
        EXPECT_EQ(Values(m, 1), std::vector<double>{double(c.up)});
    }
    // Up calls without down calls: the directions do not mix.
    StatisticsStore up;
    up.FloorCount = 1;
    up.WaitSum[AUp][1] = 4000;
    up.CallStat[AUp][0][1] = 2;
    up.WaitSum[ADown][1] = 777;
    EXPECT_EQ(Values(Draw(ChartId::w_time, up)), std::vector<double>{0});
    EXPECT_EQ(up.WaitUp[1], 20);
    // The call charts: group g at floor f holds 10 * g + f calls, and 100 at floor 3 beyond the
    // file's two.
    StatisticsStore s;
    s.FloorCount = 3;
    for (int g = 0; g < kCallGroups; ++g)
        for (int f = 1; f <= 3; ++f)
            s.CallStat[g][0][f] = f == 3 ? 100 : 10 * g + f;
    Draw(ChartId::count, s);
    s.FloorCount = 2; // a smaller file after the larger one
    const struct {
        ChartId id;
        std::vector<double> first, second;
        const char* title;
    } charts[] = {
        {ChartId::count, {22, 24}, {42, 44}, "Anzahl der Außenrufe auf den Etagen"},
        {ChartId::count_a_ab, {1, 2}, {}, "Anzahl der Ab-Rufe Tür A auf den Etagen"},
        {ChartId::count_a_auf, {11, 12}, {}, "Anzahl der Auf-Rufe Tür A auf den Etagen"},
        {ChartId::count_b_ab, {21, 22}, {}, "Anzahl der Ab-Rufe Tür B auf den Etagen"},
        {ChartId::count_b_auf, {31, 32}, {}, "Anzahl der Auf-Rufe Tür B auf den Etagen"},
    };
    for (const auto& c : charts) {
        const ChartModel m = Draw(c.id, s);
        EXPECT_EQ(Values(m, 0), c.first) << c.title;
        EXPECT_EQ(Values(m, 1), c.second) << c.title;
        EXPECT_EQ(m.heading(), c.title);
        EXPECT_EQ(m.series[0].legend,
                  std::string(c.title).find("Auf-") != std::string::npos ? "Auf-Rufe" : "Ab-Rufe");
    }
    EXPECT_EQ(s.DownTotal[3], 200); // beyond FloorCount: left as the earlier press wrote it
}

TEST(TimeOfDayCharts, HourSumsAndFloorNames) {
    StatisticsStore s;
    s.FloorCount = 2;
    s.FloorNames[1] = std::string("K\xFC") + "che"; // Windows-1252, as the dialog stores it
    s.HourDown[24][1] = 5;                          // hour 23 only
    s.HourUp[24][2] = 7;
    s.HourUp[1][1] = 100;   // hour 0
    s.HourDown[0][1] = 999; // row 0 is never shown
    s.HourDown[5][3] = 888; // floor beyond FloorCount
    std::vector<double> all(24, 0.0), down(24, 0.0), up(24, 0.0);
    all[0] = up[0] = 100;
    all[23] = 12;
    down[23] = 5;
    up[23] = 7;
    const ChartModel total = Draw(ChartId::count_hour, s);
    EXPECT_EQ(Values(total), all);
    EXPECT_EQ(total.axisMax, 200);
    const ChartModel split = Draw(ChartId::count_hour_ab, s);
    EXPECT_EQ(Values(split, 0), down);
    EXPECT_EQ(Values(split, 1), up);
    const ChartModel perFloor = Draw(ChartId::RufeZeitEt, s);
    EXPECT_EQ(Values(perFloor, 0)[0] + Values(perFloor, 0)[23], 105);
    EXPECT_EQ(Values(perFloor, 1)[23], 7);
    EXPECT_EQ(perFloor.series[1].legend, "Küche");
    EXPECT_EQ(Draw(ChartId::count, s).categories[1], "Küche");
}

TEST(ShaftCharts, CallDistributionAndFloorsPassed) {
    StatisticsStore s;
    s.FloorCount = 2;
    for (int shaft = 0; shaft < 4; ++shaft) {
        s.CallStat[ADown][shaft + 1][1] = 5 * (shaft + 1);
        s.CallStat[BUp][shaft + 1][2] = 5 * (shaft + 1);
    }
    s.CallStat[AUp][1][3] = 500;              // floor 3 is not part of the file
    for (int press = 0; press < 2; ++press) { // twice in a row: the same chart
        const ChartModel m = Draw(ChartId::Verteil, s);
        EXPECT_EQ(Values(m), (std::vector<double>{10, 20, 30, 40}));
        EXPECT_EQ(m.axisMax, 100);
        EXPECT_EQ(m.heading(), "Rufverteilung auf die Schächte");
    }
    for (int g = 0; g < kCallGroups; ++g) { // row 1 is shaft A, whatever the group
        StatisticsStore one;
        one.FloorCount = 1;
        one.CallStat[g][1][1] = 1;
        EXPECT_EQ(Values(Draw(ChartId::Verteil, one)), (std::vector<double>{1, 0, 0, 0})) << g;
    }
    const std::pair<std::array<std::int32_t, 4>, double> travels[] = {
        {{0, 0, 0, 0}, 100}, {{1234, 5, 0, 99}, 1300}, {{-7, -1, 0, 0}, 100}};
    for (const auto& [travel, axisMax] : travels) {
        StatisticsStore none; // no floors: the chart does not depend on them
        none.TravelCount = travel;
        const ChartModel m = Draw(ChartId::Travel, none);
        EXPECT_EQ(Values(m), std::vector<double>(travel.begin(), travel.end()));
        EXPECT_EQ(m.axisMax, axisMax);
        EXPECT_EQ(m.series[0].legend, "überfahrene Etagen");
    }
}
