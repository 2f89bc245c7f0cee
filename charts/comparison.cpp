#include "charts/comparison.h"

#include "chartfx3/recordingchartfx.h"
#include "charts/chartprep.h"
#include "charts/coversheet.h"
#include "charts/keyfigures.h"
#include "statglob/reader.h"
#include "statglob/text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// A copy that holds only floors 1..floors: everything drawn or computed from it sums over those.
StatisticsStore Restricted(const StatisticsStore& s, int floors) {
    StatisticsStore copy = s;
    copy.FloorCount = static_cast<std::uint8_t>(floors);
    return copy;
}

std::string PeriodLabel(const KeyFigures& k, const StatisticsStore& s) {
    if (!k.startMinutes || !k.periodMinutes)
        return BaseName(s.FileName.view());
    // The period ends at its stop minute, which belongs to the next day when the stop is a
    // date without time: the minute before it lies in the last day.
    return DayMonth(*k.startMinutes) + "–" + DayMonth(*k.startMinutes + *k.periodMinutes - 1);
}

std::optional<double> Value(Ratio r, double scale = 1) {
    if (!r.defined())
        return std::nullopt;
    return r.value() * scale;
}

// Calls of the period, per day when `perDay`.
std::optional<double> Calls(std::int64_t calls, const KeyFigures& k, bool perDay) {
    if (!perDay)
        return static_cast<double>(calls);
    return Value({calls * kMinutesPerDay, *k.periodMinutes});
}

// The figure's row: both values in its unit, the change (of a share in percentage points) and
// the change in %, and the assessment.
KeyFigureRow FigureRow(const ComparedFigure& f) {
    const std::string unit = f.unit.empty() ? "" : " " + f.unit;
    const auto shown = [&](const std::optional<double>& v) {
        return v ? FormatDecimal(*v, f.decimals) + unit : std::string(kNone);
    };
    KeyFigureRow row{f.section, f.label, shown(f.value), shown(f.other)};
    if (const auto change = f.change()) {
        row.change =
            FormatDecimal(*change, f.decimals, true) + (f.unit == "%" ? " Prozentpunkte" : unit);
        if (const auto percent = f.changePercent())
            row.changePercent = FormatDecimal(*percent, 1, true) + " %";
        row.assessment = f.assessment();
    }
    return row;
}

// The value axis of a chart of counts that may now be per day.
std::string CountAxisTitle(ChartId id, bool perDay) {
    const std::string what = id == ChartId::Travel ? "überfahrene Etagen" : "Rufe";
    return what + (perDay ? " pro Tag" : " im Zeitraum");
}

} // namespace

StatisticsStore LoadComparisonStore(const std::string& path) {
    StatisticsStore store;
    LoadStatisticsFile(store, path);
    return store;
}

std::optional<double> ComparedFigure::change() const {
    if (!value || !other)
        return std::nullopt;
    return *value - *other;
}

std::optional<double> ComparedFigure::changePercent() const {
    if (!value || !other || *other == 0)
        return std::nullopt;
    return (*value - *other) / *other * 100;
}

std::string ComparedFigure::assessment() const {
    const auto c = change();
    // Below the shown tenth a change is none.
    if (!lowerIsBetter || !c || RoundsToZero(*c, 1))
        return "";
    return *c < 0 ? kBetter : kWorse;
}

Comparison Compare(const StatisticsStore& store, const StatisticsStore& other) {
    Comparison c;
    c.file = BaseName(store.FileName.view());
    c.otherFile = BaseName(other.FileName.view());
    c.floorCount = store.FloorCount;
    c.otherFloorCount = other.FloorCount;
    c.comparedFloors = std::min(c.floorCount, c.otherFloorCount);
    const KeyFigures k = ComputeKeyFigures(Restricted(store, c.comparedFloors));
    const KeyFigures o = ComputeKeyFigures(Restricted(other, c.comparedFloors));
    c.period = PeriodLabel(k, store);
    c.otherPeriod = PeriodLabel(o, other);
    c.perDay = k.periodMinutes && o.periodMinutes;
    c.verdicts = {k.verdict, o.verdict};
    c.mine = k;
    c.theirs = o;

    std::string section;
    const auto add = [&](const std::string& label, const std::string& unit, std::optional<double> v,
                         std::optional<double> w, bool lowerIsBetter, int decimals = 1) {
        c.figures.push_back({section, label, unit, v, w, lowerIsBetter, decimals});
    };
    const auto days = [](const KeyFigures& f) -> std::optional<double> {
        if (!f.periodMinutes)
            return std::nullopt;
        return static_cast<double>(*f.periodMinutes) / kMinutesPerDay;
    };
    section = "Zeitraum";
    add("Dauer", "Tage", days(k), days(o), false);

    section = c.perDay ? "Außenrufe pro Tag" : "Außenrufe im Zeitraum";
    const int callDecimals = c.perDay ? 1 : 0;
    add("Summe", "", Calls(k.calls, k, c.perDay), Calls(o.calls, o, c.perDay), false, callDecimals);
    add("Auf-Rufe", "", Calls(k.upCalls, k, c.perDay), Calls(o.upCalls, o, c.perDay), false,
        callDecimals);
    add("Ab-Rufe", "", Calls(k.downCalls, k, c.perDay), Calls(o.downCalls, o, c.perDay), false,
        callDecimals);

    section = "Wartezeit (Mittel je Außenruf)";
    add("alle Außenrufe", "s", Value(k.waitAll), Value(o.waitAll), true);
    add("Auf-Rufe", "s", Value(k.waitUp), Value(o.waitUp), true);
    add("Ab-Rufe", "s", Value(k.waitDown), Value(o.waitDown), true);
    if (k.doorBCalls > 0 || o.doorBCalls > 0) {
        add("Tür A", "s", Value(k.waitDoorA), Value(o.waitDoorA), true);
        add("Tür B", "s", Value(k.waitDoorB), Value(o.waitDoorB), true);
    }
    add("Rufe an Etagen über 30 s", "%", Value(k.shareAbove30, 100), Value(o.shareAbove30, 100),
        true);
    add("Rufe an Etagen über 40 s", "%", Value(k.shareAbove40, 100), Value(o.shareAbove40, 100),
        true);

    section = "Schächte (Anteil der Rufe)";
    for (int shaft = 0; shaft < kShafts; ++shaft)
        add(k.shafts[shaft].name, "%", Value(k.shafts[shaft].share, 100),
            Value(o.shafts[shaft].share, 100), false);

    for (int f = 0; f < c.comparedFloors; ++f) {
        const FloorFigure& a = k.floors[static_cast<std::size_t>(f)];
        const FloorFigure& b = o.floors[static_cast<std::size_t>(f)];
        if (a.waitSeconds.defined() && b.waitSeconds.defined() &&
            !RoundsToZero(a.waitSeconds.value() - b.waitSeconds.value(), 1))
            c.mostChanged.push_back(
                {a.floor, a.name, a.waitSeconds.value(), b.waitSeconds.value()});
    }
    std::stable_sort(c.mostChanged.begin(), c.mostChanged.end(), [](const auto& x, const auto& y) {
        return std::abs(x.wait - x.otherWait) > std::abs(y.wait - y.otherWait);
    });
    c.mostChanged.resize(std::min<std::size_t>(c.mostChanged.size(), 3));
    return c;
}

ChartModel DrawComparisonChart(ChartId id, const StatisticsStore& store,
                               const StatisticsStore& other) {
    const int floors = std::min(store.FloorCount, other.FloorCount);
    StatisticsStore mine = Restricted(store, floors);
    StatisticsStore theirs = Restricted(other, floors);
    const KeyFigures k = ComputeKeyFigures(mine);
    const KeyFigures o = ComputeKeyFigures(theirs);
    const bool perDay = k.periodMinutes && o.periodMinutes;

    RecordingChartfx control(false);
    DrawChart(id, mine, control);
    const ChartModel a = control.shown();
    DrawChart(id, theirs, control);
    const ChartModel b = control.shown();

    ChartModel chart = a;
    chart.series.clear();
    chart.kind = ChartKind::Bars;
    chart.chart3D = false;
    chart.angles3D = 0;
    chart.pairedSeries = true;
    const bool shares = id == ChartId::Verteil;
    const bool counts = id != ChartId::w_time && !shares;
    std::string heading = a.heading() + " im Vergleich";
    if (store.FloorCount != other.FloorCount && id != ChartId::Travel)
        heading += " (nur die " + std::to_string(floors) + " Etagen beider Dateien)";
    chart.titles[2] = heading;
    if (shares) {
        chart.titles[0] = "Anteil der Rufe in %";
        chart.titles[3] = "Schacht";
    } else if (counts) {
        chart.titles[0] = CountAxisTitle(id, perDay);
    }

    double top = 0;
    const auto join = [&](const ChartSeries& s, const KeyFigures& f, const std::string& legend) {
        ChartSeries out{legend, s.values};
        double sum = 0;
        for (double v : s.values)
            sum += v;
        for (double& v : out.values) {
            if (shares)
                v = sum > 0 ? v / sum * 100 : 0;
            else if (counts && perDay)
                v = v * kMinutesPerDay / static_cast<double>(*f.periodMinutes);
            top = std::max(top, v);
        }
        chart.series.push_back(std::move(out));
    };
    const std::string period = PeriodLabel(k, store), otherPeriod = PeriodLabel(o, other);
    for (std::size_t i = 0; i < a.series.size() && i < b.series.size(); ++i) {
        const std::string legend = shares ? "Anteil" : a.series[i].legend;
        join(a.series[i], k, legend + " (" + period + ")");
        join(b.series[i], o, legend + " Vergleich (" + otherPeriod + ")");
    }
    chart.axisMax = shares ? 100.0
                           : static_cast<double>(ChartWriter::RoundUpScale(
                                 static_cast<std::int64_t>(std::ceil(top))));
    return chart;
}

std::vector<std::pair<ChartId, ChartModel>> DrawAllComparisonCharts(const StatisticsStore& store,
                                                                    const StatisticsStore& other) {
    std::vector<std::pair<ChartId, ChartModel>> charts;
    for (const ChartInfo& c : kCharts)
        if (c.hasComparison)
            charts.emplace_back(c.id, DrawComparisonChart(c.id, store, other));
    return charts;
}

std::vector<std::string> ComparisonCoverLines(const StatisticsStore& other) {
    return {Utf8CutBytes("Vergleich: " + other.FileName.str(), 255),    "",
            "Vergleich Start:   " + Cp1252ToUtf8(PeriodStartOf(other)), "",
            "Vergleich Stop:   " + Cp1252ToUtf8(PeriodStopOf(other)),   ""};
}

std::string ComparisonTitle(const Comparison& c) {
    return "Vergleich: " + c.file + " mit " + c.otherFile;
}

KeyFigureTable ComparisonTable(const Comparison& c) {
    KeyFigureTable table{ComparisonTitle(c), ComparisonColumns(c.period, c.otherPeriod), {}};
    std::string section = "Vergleich";
    const auto add = [&](const std::string& label, const std::string& value,
                         const std::string& other = {}) {
        table.rows.push_back({section, label, value, other});
    };
    const auto orNone = [](const std::string& v) { return v.empty() ? std::string(kNone) : v; };
    add("Datei", c.file, c.otherFile);
    add("Etagen", std::to_string(c.floorCount), std::to_string(c.otherFloorCount));
    add("verglichen",
        (c.floorCount == c.otherFloorCount ? "alle Etagen"
                                           : "Etagen 1 bis " + std::to_string(c.comparedFloors)) +
            (c.perDay ? ", Rufe pro Tag"
                      : ", Rufe im Zeitraum (eine Dauer ist nicht auswertbar, daher keine Werte "
                        "pro Tag)"));
    section = "Zeitraum";
    add("Start", orNone(c.mine.start), orNone(c.theirs.start));
    add("Stop", orNone(c.mine.stop), orNone(c.theirs.stop));
    for (const ComparedFigure& f : c.figures)
        table.rows.push_back(FigureRow(f));

    section = "Bewertung der mittleren Wartezeit";
    add("Bewertung", orNone(c.verdicts.at(0)), orNone(c.verdicts.at(1)));
    add("Hinweis", kVerdictNote);
    // The sections without numbers to subtract, side by side: each period's rows of them.
    const std::vector<KeyFigureRow> mine = KeyFigureRows(c.mine);
    const std::vector<KeyFigureRow> theirs = KeyFigureRows(c.theirs);
    for (const char* name : {"Tageszeit", "Etagen"}) {
        const auto of = [name](const std::vector<KeyFigureRow>& rows) {
            std::vector<const KeyFigureRow*> in;
            for (const KeyFigureRow& row : rows)
                if (row.section == name)
                    in.push_back(&row);
            return in;
        };
        const auto a = of(mine), b = of(theirs);
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
            table.rows.push_back({name, a[i]->label, a[i]->value, b[i]->value});
    }

    section = "Etagen mit der größten Änderung der Wartezeit";
    if (c.mostChanged.empty())
        add("Etagen", kNone);
    for (const FloorChange& f : c.mostChanged)
        table.rows.push_back(FigureRow({section, f.name, "s", f.wait, f.otherWait, true}));

    section = "Hinweise";
    // The label names the shaft: its note without the name in front.
    const auto note = [](const ShaftFigure& s) {
        if (!s.flagged)
            return std::string("unauffällig");
        std::string text = s.flag;
        if (text.compare(0, s.name.size(), s.name) == 0)
            text.erase(0, std::min(text.size(), text.find_first_not_of(": ", s.name.size())));
        return text;
    };
    for (int shaft = 0; shaft < kShafts; ++shaft) {
        const ShaftFigure& a = c.mine.shafts[static_cast<std::size_t>(shaft)];
        const ShaftFigure& b = c.theirs.shafts[static_cast<std::size_t>(shaft)];
        if (a.flagged || b.flagged)
            add(a.name, note(a), note(b));
    }
    return table;
}
