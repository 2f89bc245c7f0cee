#include "tests/support/loadpath.h"

#include "chartfx3/recordingchartfx.h"
#include "charts/charts.h"
#include "charts/coversheet.h"
#include "charts/keyfigures.h"
#include "statglob/errors.h"
#include "statglob/reader.h"
#include "statglob/text.h"

#include <cstdint>
#include <optional>

namespace {

constexpr std::size_t kCoverLines = 16;

template <std::size_t N, std::size_t M>
bool SameNames(const std::array<ShortString<N>, M>& a, const std::array<ShortString<N>, M>& b) {
    for (std::size_t i = 0; i < M; ++i)
        if (a[i].view() != b[i].view())
            return false;
    return true;
}

struct Shape {
    std::size_t points;
    std::size_t series;
};

// The chart table's shape for this many floors.
Shape ShapeOf(const ChartInfo& c, std::size_t floors) {
    const std::size_t points = c.shape.points == ChartPoints::Hours    ? kHours
                               : c.shape.points == ChartPoints::Shafts ? kShafts
                                                                       : floors;
    return {points,
            c.shape.series == kSeriesPerFloor ? floors : static_cast<std::size_t>(c.shape.series)};
}

std::optional<std::string> FirstInvalidText(const ChartModel& chart) {
    for (const std::string& t : chart.titles)
        if (!IsValidUtf8(t))
            return t;
    for (const std::string& t : chart.categories)
        if (!IsValidUtf8(t))
            return t;
    for (const ChartSeries& s : chart.series)
        if (!IsValidUtf8(s.legend))
            return s.legend;
    return std::nullopt;
}

// The shape of every chart, its texts, and a value axis above every value. The shaft
// distribution is a pie: its axis maximum is the plain sum of the slices, not a bound.
std::string CheckCharts(const StatisticsStore& s, const std::vector<ChartModel>& charts) {
    if (charts.size() != kCharts.size())
        return "expected " + std::to_string(kCharts.size()) + " charts, got " +
               std::to_string(charts.size());
    for (std::size_t c = 0; c < charts.size(); ++c) {
        const ChartId id = kCharts[c].id;
        const ChartModel& chart = charts[c];
        const std::string name = kCharts[c].stem;
        const Shape shape = ShapeOf(kCharts[c], s.FloorCount);
        if (chart.series.size() != shape.series || chart.categories.size() != shape.points)
            return name + ": " + std::to_string(chart.series.size()) + " series of " +
                   std::to_string(chart.categories.size()) + " points";
        if (const auto bad = FirstInvalidText(chart))
            return name + ": text is not UTF-8: " + *bad;
        for (const ChartSeries& series : chart.series) {
            if (series.values.size() != shape.points)
                return name + ": a series has " + std::to_string(series.values.size()) + " values";
            if (id == ChartId::Verteil)
                continue;
            for (double v : series.values)
                if (!(v < chart.axisMax))
                    return name + ": value " + std::to_string(v) + " not below the axis " +
                           std::to_string(chart.axisMax);
        }
    }
    return {};
}

// Sums the charts show, computed here in 64 bits: a total that wrapped at 32 bits differs.
std::string CheckWideSums(const StatisticsStore& s, const std::vector<ChartModel>& charts,
                          const std::vector<std::string>& cover) {
    const auto at = [&charts](ChartId id) -> const ChartModel& { return charts[IndexOf(id)]; };
    const ChartModel& all = at(ChartId::count);
    std::int64_t total = 0;
    for (int f = 1; f <= s.FloorCount; ++f) {
        const std::int64_t down = std::int64_t{s.CallStat[ADown][0][f]} + s.CallStat[BDown][0][f];
        const std::int64_t up = std::int64_t{s.CallStat[AUp][0][f]} + s.CallStat[BUp][0][f];
        total += down + up;
        if (all.series[0].values[f - 1] != static_cast<double>(down) ||
            all.series[1].values[f - 1] != static_cast<double>(up))
            return "count: floor " + std::to_string(f) + " is not the wide sum";
    }
    if (cover[14] != "Summe der Außenrufe:   " + std::to_string(total))
        return "cover: " + cover[14] + " instead of the total " + std::to_string(total);
    const ChartModel& hours = at(ChartId::count_hour);
    for (int h = 0; h < kHours; ++h) {
        std::int64_t sum = 0;
        for (int f = 1; f <= s.FloorCount; ++f)
            sum += std::int64_t{s.HourDown[h + 1][f]} + s.HourUp[h + 1][f];
        if (hours.series[0].values[h] != static_cast<double>(sum))
            return "count_hour: hour " + std::to_string(h) + " is not the wide sum";
    }
    return {};
}

// A number without a leading zero at p: the position after it, npos if there is none.
std::size_t Number(const std::string& s, std::size_t p) {
    if (p >= s.size() || s[p] < '1' || s[p] > '9')
        return std::string::npos;
    while (p < s.size() && s[p] >= '0' && s[p] <= '9')
        ++p;
    return p;
}

bool EndsWithPlace(const std::string& s) {
    const std::size_t zeile = s.rfind(", Zeile ");
    if (zeile == std::string::npos)
        return false;
    const std::size_t afterLine = Number(s, zeile + 8);
    const std::string feld = ", Feld ";
    if (afterLine == std::string::npos || s.compare(afterLine, feld.size(), feld) != 0)
        return false;
    return Number(s, afterLine + feld.size()) == s.size();
}

// The message reaches the error box whole: what() is a C string, so a NUL byte from the file
// would end it early. A bad field's: the sentence, then its place on a line of its own.
bool WholeMessage(const LoadPathResult& r) {
    const std::string& e = r.error;
    switch (r.failure) {
    case LoadPathResult::Failure::Conversion: {
        const std::string sentence = "' ist kein gültiger Integerwert.\nDatei ";
        const std::size_t at = e.rfind(sentence);
        return !e.empty() && e.front() == '\'' && at != std::string::npos && at >= 1 &&
               EndsWithPlace(e);
    }
    case LoadPathResult::Failure::Statistics: {
        const std::string start = "Die Datei enthält ";
        return e.size() > start.size() && e.compare(0, start.size(), start) == 0 && e.back() == '.';
    }
    case LoadPathResult::Failure::Io:
        return !r.error.empty();
    case LoadPathResult::Failure::None:
        break;
    }
    return r.error.empty();
}

} // namespace

LoadPathResult RunLoadPath(StatisticsStore& store, const std::string& path) {
    LoadPathResult result;
    try {
        LoadStatisticsFile(store, path);
    } catch (const IoError& e) {
        result.failure = LoadPathResult::Failure::Io;
        result.error = e.what();
    } catch (const ConversionError& e) {
        result.failure = LoadPathResult::Failure::Conversion;
        result.error = e.what();
    } catch (const StatisticsError& e) {
        result.failure = LoadPathResult::Failure::Statistics;
        result.error = e.what();
    }
    if (result.failure != LoadPathResult::Failure::None)
        return result;
    RecordingChartfx control;
    for (const ChartInfo& c : kCharts) {
        DrawChart(c.id, store, control);
        result.charts.push_back(control.shown());
    }
    result.cover = BuildCoverSheet(store);
    result.keyFigures = KeyFigureRows(ComputeKeyFigures(store));
    return result;
}

bool SameFigures(const StatisticsStore& a, const StatisticsStore& b) {
    return a.HeaderLines == b.HeaderLines && a.FloorLines == b.FloorLines &&
           a.HourLines == b.HourLines && a.DownTotal == b.DownTotal && a.UpTotal == b.UpTotal &&
           a.CallStat == b.CallStat && a.ShaftCallTotal == b.ShaftCallTotal &&
           a.TravelCount == b.TravelCount && a.WaitSum == b.WaitSum && a.WaitDown == b.WaitDown &&
           a.WaitUp == b.WaitUp && a.HourDown == b.HourDown && a.HourUp == b.HourUp &&
           a.FloorCount == b.FloorCount && SameNames(a.FloorNames, b.FloorNames) &&
           SameNames(a.HourNames, b.HourNames) && SameNames(a.ShaftNames, b.ShaftNames);
}

std::string CheckLoadPath(const StatisticsStore& before, const StatisticsStore& after,
                          const LoadPathResult& result) {
    if (!IsValidUtf8(after.FileName.view()) || !IsValidUtf8(after.LastDir.view()))
        return "FileName or LastDir cut inside a character";
    if (result.failure != LoadPathResult::Failure::None) {
        if (!IsValidUtf8(result.error))
            return "message is not UTF-8: " + result.error;
        if (!WholeMessage(result))
            return "message is not whole: " + result.error;
        if (!SameFigures(before, after))
            return "a failed load changed the figures: " + result.error;
        if (!result.charts.empty() || !result.cover.empty() || !result.keyFigures.empty())
            return "charts or cover after a failed load";
        return {};
    }
    if (after.FloorCount > kMaxFloors)
        return std::to_string(after.FloorCount) + " floors in the store";
    if (result.cover.size() != kCoverLines)
        return "cover has " + std::to_string(result.cover.size()) + " lines";
    for (const std::string& line : result.cover)
        if (!IsValidUtf8(line))
            return "cover line is not UTF-8: " + line;
    if (result.cover[8] != "Anzahl Stockwerke: " + std::to_string(after.FloorCount))
        return "cover: " + result.cover[8];
    if (std::string broken = CheckCharts(after, result.charts); !broken.empty())
        return broken;
    for (const KeyFigureRow& row : result.keyFigures) {
        if (!IsValidUtf8(row.label) || !IsValidUtf8(row.value))
            return "key figure is not UTF-8: " + row.label + " " + row.value;
        if (row.label == "Summe" && "Summe der Außenrufe:   " + row.value != result.cover[14])
            return "key figures: calls " + row.value + ", cover: " + result.cover[14];
    }
    return CheckWideSums(after, result.charts, result.cover);
}
