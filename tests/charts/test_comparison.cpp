// The comparison of two periods, hand-computed on small files.
#include "charts/comparison.h"
#include "charts/keyfigures.h"
#include "statglob/reader.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// This period: 7 days, three floors. Floor 1: 20 up calls of 20 s; floor 2: 10 down calls of
// 30 s, 10 up calls of 10 s; floor 3: 14 down calls of 40 s. Down calls at 17:00, up at 8:00.
const StatFile kThis{{{{}, {}, {40000, 20, 20}, {}, {}, {{8, 20}}},
                      {{30000, 10, 10}, {}, {10000, 10, 10}, {}, {{17, 10}}, {{8, 10}}},
                      {{56000, 14, 14}, {}, {}, {}, {{17, 14}}, {}}},
                     "-;700;0;0;0;",
                     "07.12.26",
                     "01.12.26 00:00"};
// The comparison: 14 days, two floors, no down calls at all. Floor 1: 28 up calls of 30 s;
// floor 2: 14 up calls of 15 s served by shaft B.
const StatFile kOther{
    {{{}, {}, {84000, 28, 28}, {}, {}, {{8, 28}}}, {{}, {}, {21000, 14, 0, 14}, {}, {}, {{8, 14}}}},
    "-;1400;0;0;0;",
    "14.11.26",
    "01.11.26"};

} // namespace

TEST(Comparison, FiguresAndChartsOfBothPeriods) {
    // Floors 1 and 2 only: 40 calls in 7 days against 42 in 14.
    TempDir dir;
    StatFile broken = kOther; // a stop that is no date: compared in the whole periods, not per day
    broken.stop = "kaputt!!";
    const StatisticsStore mine = LoadComparisonStore(dir.write("dez.csv", kThis.bytes()));
    const StatisticsStore other = LoadComparisonStore(dir.write("nov.csv", kOther.bytes()));
    const StatisticsStore totals = LoadComparisonStore(dir.write("kaputt.csv", broken.bytes()));
    for (const auto& [with, expected] : {std::pair{&other, "/comparison-per-day.txt"},
                                         std::pair{&totals, "/comparison-totals.txt"}})
        EXPECT_EQ(KeyFigureText(ComparisonTable(Compare(mine, *with)).rows),
                  ReadBytes(GS_TEST_DATA + std::string(expected)));
    const auto expect = [&](ChartId id, const StatisticsStore& with, const char* heading,
                            const char* valueAxis, double axisMax,
                            const std::vector<std::string>& legends,
                            const std::vector<std::vector<double>>& values) {
        const ChartModel c = DrawComparisonChart(id, mine, with);
        SCOPED_TRACE(ChartOf(id).stem);
        if (heading) {
            EXPECT_EQ(c.heading(), heading);
        }
        EXPECT_EQ(c.valueAxisTitle(), valueAxis);
        EXPECT_EQ(c.kind, ChartKind::Bars);
        EXPECT_FALSE(c.chart3D);
        EXPECT_EQ(c.axisMax, axisMax);
        for (std::size_t s = 0; s < legends.size(); ++s)
            EXPECT_EQ(c.series.at(s).legend, legends[s]);
        for (std::size_t s = 0; s < values.size(); ++s) {
            ASSERT_EQ(c.series.at(s).values.size(), values[s].size());
            for (std::size_t p = 0; p < values[s].size(); ++p)
                EXPECT_NEAR(c.series[s].values[p], values[s][p], 1e-9) << s << "/" << p;
        }
    };
    expect(ChartId::count, other,
           "Anzahl der Außenrufe auf den Etagen im Vergleich (nur die 2 Etagen beider Dateien)",
           "Rufe pro Tag", 100,
           {"Ab-Rufe (01.12.–07.12.)", "Ab-Rufe Vergleich (01.11.–14.11.)",
            "Auf-Rufe (01.12.–07.12.)", "Auf-Rufe Vergleich (01.11.–14.11.)"},
           {{0, 10 / 7.0}, {0, 0}, {20 / 7.0, 10 / 7.0}, {2, 1}});
    expect(ChartId::w_time, other, nullptr, "Wartezeit in sec", 100, {},
           {{0, 30}, {0, 0}, {20, 10}, {30, 15}});
    expect(ChartId::count_hour, totals, nullptr, "Rufe im Zeitraum", 100,
           {"Rufe (01.12.–07.12.)", "Rufe Vergleich (kaputt.csv)"}, {});
    expect(ChartId::Verteil, other, nullptr, "Anteil der Rufe in %", 100,
           {"Anteil (01.12.–07.12.)", "Anteil Vergleich (01.11.–14.11.)"},
           {{100, 0, 0, 0}, {200 / 3.0, 100 / 3.0, 0, 0}});
    expect(ChartId::Travel, other, "Anzahl der überfahrenen Etagen im Vergleich",
           "überfahrene Etagen pro Tag", 200, {}, {{100, 0, 0, 0}, {100, 0, 0, 0}});
    // Per hour over the 24 hours, each period's own count at 8:00 and 17:00 (floors 1 and 2).
    const ChartModel hours = DrawComparisonChart(ChartId::count_hour, mine, totals);
    EXPECT_EQ(hours.series.at(0).values.at(8), 30);
    EXPECT_EQ(hours.series.at(0).values.at(17), 10);
    EXPECT_EQ(hours.series.at(1).values.at(8), 42);
}
