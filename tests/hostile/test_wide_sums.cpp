// Sums of 32-bit file values that pass 32 bits: totals per floor, per hour and per shaft,
// waiting-time sums, the cover's total and the value-axis maximum are all computed wide.
#include "hostile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

constexpr std::int64_t kMax = INT32_MAX;
constexpr std::int64_t kMin = INT32_MIN;
constexpr int kFloors = 40;

// A 40-floor file: every block of a floor line holds `block` (waiting-time sum, calls,
// calls of shafts A..D), every hour value is `hour`, every travel value `travel`.
std::string File(const std::array<std::int64_t, 6>& block, std::int64_t hour, std::int64_t travel) {
    std::vector<std::string> lines = HeaderLines();
    for (int f = 1; f <= kFloors; ++f) {
        std::string floorLine = std::to_string(f) + ";";
        for (int b = 0; b < 4; ++b)
            for (std::int64_t v : block)
                floorLine += std::to_string(v) + ";";
        std::string hourLine = ";";
        for (int h = 0; h < 48; ++h)
            hourLine += std::to_string(hour) + ";";
        lines.push_back(floorLine);
        lines.push_back(hourLine);
    }
    const std::string t = std::to_string(travel) + ";";
    lines.push_back("-;" + t + t + t + t);
    return JoinLines(lines);
}

std::int64_t RoundUp(std::int64_t max) {
    return (max / 100) * 100 + 100;
}

const ChartModel& Chart(const LoadPathResult& r, ChartId id) {
    for (std::size_t i = 0; i < kAllCharts.size(); ++i)
        if (kAllCharts[i] == id)
            return r.charts.at(i);
    throw std::logic_error("no such chart");
}

void ExpectAll(const ChartModel& chart, std::int64_t value, std::int64_t axisMax) {
    SCOPED_TRACE(chart.heading());
    for (const ChartSeries& s : chart.series)
        for (double v : s.values)
            EXPECT_EQ(v, static_cast<double>(value));
    EXPECT_EQ(chart.axisMax, static_cast<double>(axisMax));
}

struct Loaded {
    StatisticsStore store;
    LoadPathResult result;
};

Loaded Load(const std::string& bytes) {
    TempDir dir;
    Loaded l;
    l.result = RunLoadPath(l.store, dir.write("wide.csv", bytes));
    EXPECT_EQ(l.result.error, "");
    EXPECT_EQ(CheckLoadPath(StatisticsStore(), l.store, l.result), "");
    return l;
}

} // namespace

TEST(WideSums, LargestValuesEverywhere) {
    const std::int64_t v = kMax;
    const Loaded l = Load(File({v, v, v, v, v, v}, v, v));
    ASSERT_EQ(l.result.charts.size(), kAllCharts.size());
    const LoadPathResult& r = l.result;

    // Per floor: down and up are two groups each.
    ExpectAll(Chart(r, ChartId::count), 2 * v, RoundUp(2 * v));
    for (int f = 1; f <= kFloors; ++f) {
        EXPECT_EQ(l.store.DownTotal[f], 2 * v) << f;
        EXPECT_EQ(l.store.UpTotal[f], 2 * v) << f;
    }
    for (ChartId door :
         {ChartId::count_a_ab, ChartId::count_a_auf, ChartId::count_b_ab, ChartId::count_b_auf})
        ExpectAll(Chart(r, door), v, RoundUp(v));
    // Waiting time: a wide sum over a wide number of calls, in whole seconds.
    ExpectAll(Chart(r, ChartId::w_time), (2 * v) / (2 * v * 100), 100);

    // Per hour: 40 floors of down and up calls.
    ExpectAll(Chart(r, ChartId::count_hour), kFloors * 2 * v, RoundUp(kFloors * 2 * v));
    ExpectAll(Chart(r, ChartId::count_hour_ab), kFloors * v, RoundUp(kFloors * v));
    ExpectAll(Chart(r, ChartId::RufeZeitEt), 2 * v, RoundUp(2 * v));

    // Per shaft: 40 floors of four groups; the pie's axis maximum is the sum of all slices.
    const std::int64_t shaftTotal = kFloors * 4 * v;
    for (int s = 0; s < kShafts; ++s)
        EXPECT_EQ(l.store.ShaftCallTotal[s], shaftTotal) << s;
    ExpectAll(Chart(r, ChartId::Verteil), shaftTotal, 4 * shaftTotal);
    ExpectAll(Chart(r, ChartId::Travel), v, RoundUp(v));

    EXPECT_EQ(r.cover.at(14), "Summe der Außenrufe:   " + std::to_string(kFloors * 4 * v));
}

TEST(WideSums, SmallestValuesEverywhere) {
    const std::int64_t v = kMin;
    const Loaded l = Load(File({v, v, v, v, v, v}, v, v));
    ASSERT_EQ(l.result.charts.size(), kAllCharts.size());
    const LoadPathResult& r = l.result;
    // Nothing rises above 0: every axis stays at its least maximum.
    ExpectAll(Chart(r, ChartId::count), 2 * v, 100);
    ExpectAll(Chart(r, ChartId::count_hour), kFloors * 2 * v, 100);
    ExpectAll(Chart(r, ChartId::RufeZeitEt), 2 * v, 100);
    ExpectAll(Chart(r, ChartId::w_time), 0, 100); // no calls to average over
    ExpectAll(Chart(r, ChartId::Verteil), kFloors * 4 * v, 4 * kFloors * 4 * v);
    EXPECT_EQ(r.cover.at(14), "Summe der Außenrufe:   " + std::to_string(kFloors * 4 * v));
}

TEST(WideSums, WaitingTimeSumsPastThirtyTwoBits) {
    // One call per group and the largest waiting-time sums: door A and door B together pass
    // 32 bits before the division brings them back.
    const Loaded l = Load(File({kMax, 1, 1, 0, 0, 0}, 0, 0));
    const ChartModel& chart = Chart(l.result, ChartId::w_time);
    const std::int64_t seconds = (2 * kMax) / (2 * 100);
    ExpectAll(chart, seconds, RoundUp(seconds));
    for (int f = 1; f <= kFloors; ++f) {
        EXPECT_EQ(l.store.WaitDown[f], seconds) << f;
        EXPECT_EQ(l.store.WaitUp[f], seconds) << f;
    }
}
