// The comparison of two periods, hand-computed on small files.
#include "comparison.h"
#include "keyfigures.h"
#include "reader.h"
#include "storebytes.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// One floor at door A: down and up calls with their waiting-time sums (1/100 s), the up calls
// served by shaft A except `upByB`; all down calls in hour 17, all up calls in hour 8.
struct Floor {
    int downWait = 0, down = 0, upWait = 0, up = 0, upByB = 0;
};

std::string File(const std::string& start, const std::string& stop,
                 const std::vector<Floor>& floors, const std::string& travel) {
    auto lines = HeaderLines();
    lines[1] = stop + ";Stop";
    lines[4] = "Start;" + start + ";";
    for (std::size_t i = 0; i < floors.size(); ++i) {
        const Floor& f = floors[i];
        const auto group = [](int wait, int calls, int a, int b) {
            return std::to_string(wait) + ";" + std::to_string(calls) + ";" + std::to_string(a) +
                   ";" + std::to_string(b) + ";0;0;";
        };
        lines.push_back(std::to_string(i + 1) + ";" + group(f.downWait, f.down, f.down, 0) +
                        group(0, 0, 0, 0) + group(f.upWait, f.up, f.up - f.upByB, f.upByB) +
                        group(0, 0, 0, 0));
        std::string hours = ";";
        for (int h = 0; h < 48; ++h)
            hours += std::to_string(h == 17 ? f.down : h == 24 + 8 ? f.up : 0) + ";";
        lines.push_back(hours);
    }
    lines.push_back(travel);
    return JoinLines(lines);
}

// This period: 7 days, three floors. Floor 1: 20 up calls of 20 s; floor 2: 10 down calls of
// 30 s, 10 up calls of 10 s; floor 3: 14 down calls of 40 s.
const std::string kThis =
    File("01.12.26 00:00", "07.12.26",
         {{0, 0, 40000, 20}, {30000, 10, 10000, 10}, {56000, 14, 0, 0}}, "-;700;0;0;0;");
// The comparison: 14 days, two floors, no down calls at all. Floor 1: 28 up calls of 30 s;
// floor 2: 14 up calls of 15 s served by shaft B.
const std::string kOther =
    File("01.11.26", "14.11.26", {{0, 0, 84000, 28}, {0, 0, 21000, 14, 14}}, "-;1400;0;0;0;");

StatisticsStore Load(const TempDir& dir, const std::string& name, const std::string& bytes) {
    return LoadComparisonStore(dir.write(name, bytes));
}

std::map<std::string, std::string> ByLabel(const std::vector<KeyFigureRow>& rows) {
    std::map<std::string, std::string> m;
    for (const KeyFigureRow& r : rows)
        m[r.section + "|" + r.label] = r.value;
    return m;
}

} // namespace

TEST(Comparison, FiguresSideBySide) {
    TempDir dir;
    const StatisticsStore mine = Load(dir, "dez.csv", kThis);
    const StatisticsStore perDay = Load(dir, "nov.csv", kOther);
    // The same comparison file with a stop that is no date: no per-day figures.
    std::string broken = kOther;
    broken.replace(broken.find("14.11.26;Stop"), 8, "kaputt!!");
    const StatisticsStore totals = Load(dir, "kaputt.csv", broken);

    struct Row {
        const StatisticsStore* other;
        const char* key;
        const char* value;
    };
    const Row rows[] = {
        {&perDay, "Vergleich|Zeitraum", "01.12.–07.12. (dez.csv)"},
        {&perDay, "Vergleich|Vergleich", "01.11.–14.11. (nov.csv)"},
        {&perDay, "Vergleich|Etagen", "3; Vergleich 2; verglichen werden die Etagen 1 bis 2"},
        {&perDay, "Vergleich|Rufe", "pro Tag verglichen"},
        // Floors 1 and 2 only: 40 calls in 7 days against 42 in 14.
        {&perDay, "Außenrufe pro Tag|Summe", "5,7; Vergleich 3,0; Änderung +2,7 (+90,5 %)"},
        {&perDay, "Außenrufe pro Tag|Ab-Rufe", "1,4; Vergleich 0,0; Änderung +1,4"},
        {&perDay, "Wartezeit (Mittel je Außenruf)|alle Außenrufe",
         "20,0 s; Vergleich 25,0 s; Änderung -5,0 s (-20,0 %), besser"},
        {&perDay, "Wartezeit (Mittel je Außenruf)|Auf-Rufe",
         "16,7 s; Vergleich 25,0 s; Änderung -8,3 s (-33,3 %), besser"},
        {&perDay, "Wartezeit (Mittel je Außenruf)|Ab-Rufe", "30,0 s; Vergleich –"},
        {&perDay, "Schächte (Anteil der Rufe)|Schacht B",
         "0,0 %; Vergleich 33,3 %; Änderung -33,3 Prozentpunkte (-100,0 %)"},
        {&perDay, "Bewertung der mittleren Wartezeit|Bewertung", "sehr gut; Vergleich gut"},
        {&perDay, "Etagen mit der größten Änderung der Wartezeit|KG",
         "20,0 s; Vergleich 30,0 s; Änderung -10,0 s (-33,3 %), besser"},
        {&perDay, "Etagen mit der größten Änderung der Wartezeit|EG",
         "20,0 s; Vergleich 15,0 s; Änderung +5,0 s (+33,3 %), schlechter"},
        {&totals, "Vergleich|Vergleich", "kaputt.csv (Zeitraum nicht auswertbar)"},
        {&totals, "Vergleich|Rufe",
         "im Zeitraum verglichen (eine Dauer ist nicht auswertbar, daher keine Werte pro Tag)"},
        {&totals, "Zeitraum|Dauer", "7,0 Tage; Vergleich –"},
        {&totals, "Außenrufe im Zeitraum|Summe", "40; Vergleich 42; Änderung -2 (-4,8 %)"},
    };
    for (const Row& r : rows) {
        const auto byLabel = ByLabel(ComparisonRows(Compare(mine, *r.other)));
        ASSERT_TRUE(byLabel.count(r.key)) << r.key;
        EXPECT_EQ(byLabel.at(r.key), r.value) << r.key;
    }
}

TEST(Comparison, ChartsWithBothPeriods) {
    TempDir dir;
    const StatisticsStore mine = Load(dir, "dez.csv", kThis);
    const StatisticsStore other = Load(dir, "nov.csv", kOther);
    std::string broken = kOther;
    broken.replace(broken.find("14.11.26;Stop"), 8, "kaputt!!");
    const StatisticsStore totals = Load(dir, "kaputt.csv", broken);

    struct Row {
        ChartId id;
        const StatisticsStore* other;
        const char* heading;
        const char* valueAxis;
        std::vector<std::string> legends;
        std::vector<std::vector<double>> values;
        double axisMax;
    };
    const Row rows[] = {
        {ChartId::count,
         &other,
         "Anzahl der Außenrufe auf den Etagen im Vergleich (nur die 2 Etagen beider Dateien)",
         "Rufe pro Tag",
         {"Ab-Rufe (01.12.–07.12.)", "Ab-Rufe Vergleich (01.11.–14.11.)",
          "Auf-Rufe (01.12.–07.12.)", "Auf-Rufe Vergleich (01.11.–14.11.)"},
         {{0, 10 / 7.0}, {0, 0}, {20 / 7.0, 10 / 7.0}, {2, 1}},
         100},
        {ChartId::w_time,
         &other,
         nullptr,
         "Wartezeit in sec",
         {},
         {{0, 30}, {0, 0}, {20, 10}, {30, 15}},
         100},
        {ChartId::count_hour,
         &totals,
         nullptr,
         "Rufe im Zeitraum",
         {"Rufe (01.12.–07.12.)", "Rufe Vergleich (kaputt.csv)"},
         {},
         100},
        {ChartId::Verteil,
         &other,
         nullptr,
         "Anteil der Rufe in %",
         {"Anteil (01.12.–07.12.)", "Anteil Vergleich (01.11.–14.11.)"},
         {{100, 0, 0, 0}, {200 / 3.0, 100 / 3.0, 0, 0}},
         100},
        {ChartId::Travel,
         &other,
         "Anzahl der überfahrenen Etagen im Vergleich",
         "überfahrene Etagen pro Tag",
         {},
         {{100, 0, 0, 0}, {100, 0, 0, 0}},
         200},
    };
    for (const Row& r : rows) {
        const ChartModel c = DrawComparisonChart(r.id, mine, *r.other);
        SCOPED_TRACE(ChartStem(r.id));
        if (r.heading) {
            EXPECT_EQ(c.heading(), r.heading);
        }
        EXPECT_EQ(c.valueAxisTitle(), r.valueAxis);
        EXPECT_EQ(c.chartType, 2);
        EXPECT_FALSE(c.chart3D);
        EXPECT_EQ(c.axisMax, r.axisMax);
        for (std::size_t s = 0; s < r.legends.size(); ++s)
            EXPECT_EQ(c.series.at(s).legend, r.legends[s]);
        for (std::size_t s = 0; s < r.values.size(); ++s) {
            ASSERT_EQ(c.series.at(s).values.size(), r.values[s].size());
            for (std::size_t p = 0; p < r.values[s].size(); ++p)
                EXPECT_NEAR(c.series[s].values[p], r.values[s][p], 1e-9) << s << "/" << p;
        }
    }
    // Per hour over the 24 hours, each period's own count at 8:00 and 17:00 (floors 1 and 2).
    const ChartModel hours = DrawComparisonChart(ChartId::count_hour, mine, totals);
    EXPECT_EQ(hours.series.at(0).values.at(8), 30);
    EXPECT_EQ(hours.series.at(0).values.at(17), 10);
    EXPECT_EQ(hours.series.at(1).values.at(8), 42);
}

TEST(Comparison, LeavesTheLoadedStoreAsItWas) {
    TempDir dir;
    StatisticsStore mine;
    LoadStatisticsFile(mine, dir.write("dez.csv", kThis));
    const std::string before = StoreBytes(mine);
    StatisticsStore other = Load(dir, "nov.csv", kOther);
    std::string bad = kOther;
    bad.replace(bad.find("84000"), 5, "84x00");
    EXPECT_THROW(Load(dir, "bad.csv", bad), std::exception);
    EXPECT_THROW(LoadComparisonStore(dir.file("missing.csv")), std::exception);
    DrawAllComparisonCharts(mine, other);
    ComparisonRows(Compare(mine, other));
    EXPECT_EQ(StoreBytes(mine), before);
}
