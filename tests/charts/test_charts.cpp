// The eleven charts' computations: derived tables, sums, and what each chart shows.
#include "charts.h"
#include "recordingchartfx.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int32_t kMax = INT32_MAX;

ChartModel Draw(ChartId id, StatisticsStore& s) {
    RecordingChartfx control;
    DrawChart(id, s, control);
    return control.shown();
}

std::vector<double> Values(const ChartModel& m, std::size_t series = 0) {
    return series < m.series.size() ? m.series[series].values : std::vector<double>{};
}

} // namespace

TEST(PerFloorCharts, WaitingTimeIsTruncatedWholeSeconds) {
    const struct {
        std::int32_t sumA, sumB, callsA, callsB, down, up;
    } cases[] = {
        {1250, 550, 3, 3, 3, 3},                // 1800 / 600
        {1799, 0, 6, 0, 2, 2},                  // 2.998 s is 2 s, not 3
        {1000, 0, 0, 0, 0, 0},                  // no calls: 0 whatever the sum
        {500, 0, -3, 1, 0, 0},                  // a count sum below 1 counts as no calls
        {kMax, kMax, 1, 0, 42949672, 42949672}, // the sum leaves 32 bits
        {-900, 0, 1, 0, -9, -9},                // division truncates toward zero
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
    StatisticsStore s;
    s.FloorCount = 1;
    s.WaitSum[AUp][1] = 4000;
    s.CallStat[AUp][0][1] = 2;
    s.WaitSum[ADown][1] = 777;
    const ChartModel m = Draw(ChartId::w_time, s);
    EXPECT_EQ(s.WaitDown[1], 0);
    EXPECT_EQ(s.WaitUp[1], 20);
    EXPECT_EQ(m.series[1].legend, "Auf-Rufe");
}

TEST(PerFloorCharts, TotalsCoverOnlyTheCurrentFloors) {
    StatisticsStore s;
    s.FloorCount = 12;
    for (int f = 1; f <= 12; ++f) {
        s.CallStat[ADown][0][f] = f;
        s.CallStat[BDown][0][f] = 100;
        s.CallStat[AUp][0][f] = 2 * f;
        s.CallStat[BUp][0][f] = 1;
    }
    Draw(ChartId::count, s);
    s.FloorCount = 5; // a smaller file after the larger one
    for (int f = 1; f <= 5; ++f)
        s.CallStat[BDown][0][f] = 0;
    const ChartModel m = Draw(ChartId::count, s);
    EXPECT_EQ(Values(m, 0), (std::vector<double>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Values(m, 1), (std::vector<double>{3, 5, 7, 9, 11}));
    EXPECT_EQ(m.axisMax, 100);
    EXPECT_EQ(s.DownTotal[6], 106); // beyond FloorCount: left as the earlier press wrote it
    EXPECT_EQ(m.heading(), "Anzahl der Außenrufe auf den Etagen");
}

TEST(PerFloorCharts, EachDoorChartShowsItsGroup) {
    const struct {
        ChartId id;
        CallGroup group;
        const char* title;
        const char* legend;
    } cases[] = {
        {ChartId::count_a_ab, ADown, "Anzahl der Ab-Rufe Tür A auf den Etagen", "Ab-Rufe"},
        {ChartId::count_a_auf, AUp, "Anzahl der Auf-Rufe Tür A auf den Etagen", "Auf-Rufe"},
        {ChartId::count_b_ab, BDown, "Anzahl der Ab-Rufe Tür B auf den Etagen", "Ab-Rufe"},
        {ChartId::count_b_auf, BUp, "Anzahl der Auf-Rufe Tür B auf den Etagen", "Auf-Rufe"},
    };
    for (const auto& c : cases) {
        StatisticsStore s;
        s.FloorCount = 2;
        for (int g = 0; g < kCallGroups; ++g)
            for (int f = 1; f <= 2; ++f)
                s.CallStat[g][0][f] = 10 * g + f;
        const ChartModel m = Draw(c.id, s);
        EXPECT_EQ(Values(m), (std::vector<double>{10.0 * c.group + 1, 10.0 * c.group + 2}));
        EXPECT_EQ(m.heading(), c.title);
        EXPECT_EQ(m.series[0].legend, c.legend);
        EXPECT_EQ(m.valueAxisTitle(), "Anzahl Rufe");
    }
}

TEST(TimeOfDayCharts, HourSums) {
    StatisticsStore s;
    s.FloorCount = 2;
    s.HourDown[24][1] = 5; // hour 23 only
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
}

TEST(Charts, SumsBeyond32BitsStayExact) {
    StatisticsStore s;
    s.FloorCount = 2;
    for (int g = 0; g < kCallGroups; ++g)
        s.CallStat[g][0][1] = s.CallStat[g][1][1] = kMax;
    s.HourDown[3][1] = s.HourUp[3][1] = s.HourDown[3][2] = kMax;
    const struct {
        ChartId id;
        std::size_t series, point;
        double value, axisMax;
    } cases[] = {
        {ChartId::count, 0, 0, 2.0 * kMax, 4294967300.0},
        {ChartId::Verteil, 0, 0, 4.0 * kMax, 4.0 * kMax},
        {ChartId::count_hour, 0, 2, 3.0 * kMax, 6442451000.0},
        {ChartId::count_hour_ab, 0, 2, 2.0 * kMax, 4294967300.0},
        {ChartId::RufeZeitEt, 0, 2, 2.0 * kMax, 4294967300.0},
    };
    for (const auto& c : cases) {
        const ChartModel m = Draw(c.id, s);
        EXPECT_EQ(Values(m, c.series)[c.point], c.value) << ChartStem(c.id);
        EXPECT_EQ(m.axisMax, c.axisMax) << ChartStem(c.id);
    }
    EXPECT_EQ(s.DownTotal[1], 2LL * kMax);
}

TEST(TimeOfDayCharts, SeriesAreNamedByTheCurrentFloorNames) {
    StatisticsStore s;
    s.FloorCount = 3;
    s.FloorNames[1] = "K\xFC"
                      "che"; // Windows-1252, as the floor names dialog stores it
    const ChartModel m = Draw(ChartId::RufeZeitEt, s);
    ASSERT_EQ(m.series.size(), 3u);
    EXPECT_EQ(m.series[1].legend, "Küche");
    EXPECT_EQ(m.angleLow(), 50);
    EXPECT_EQ(m.angleHigh(), 25);
    EXPECT_EQ(Draw(ChartId::count, s).categories[1], "Küche");
}

TEST(ShaftCharts, CallDistributionIsThePlainSum) {
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
        EXPECT_EQ(m.valueAxisTitle() + m.categoryAxisTitle(), "");
        EXPECT_EQ(m.heading(), "Rufverteilung auf die Schächte");
    }
    for (int g = 0; g < kCallGroups; ++g) { // row 1 is shaft A, whatever the group
        StatisticsStore one;
        one.FloorCount = 1;
        one.CallStat[g][1][1] = 1;
        EXPECT_EQ(Values(Draw(ChartId::Verteil, one)), (std::vector<double>{1, 0, 0, 0})) << g;
    }
}

TEST(ShaftCharts, FloorsPassed) {
    const std::pair<std::array<std::int32_t, 4>, double> cases[] = {
        {{0, 0, 0, 0}, 100}, {{1234, 5, 0, 99}, 1300}, {{-7, -1, 0, 0}, 100}};
    for (const auto& [travel, axisMax] : cases) {
        StatisticsStore s; // no floors: the chart does not depend on them
        s.TravelCount = travel;
        const ChartModel m = Draw(ChartId::Travel, s);
        EXPECT_EQ(Values(m), std::vector<double>(travel.begin(), travel.end()));
        EXPECT_EQ(m.axisMax, axisMax);
        EXPECT_EQ(m.series[0].legend, "überfahrene Etagen");
    }
}

TEST(Charts, OutcomeNamesTheCheckMark) {
    for (ChartId id : kAllCharts) {
        StatisticsStore s;
        RecordingChartfx control;
        const ChartOutcome out = DrawChart(id, s, control);
        EXPECT_EQ(out.checkMark, id);
        EXPECT_EQ(out.enablesWaitingTime, id == ChartId::count) << ChartStem(id);
    }
}
