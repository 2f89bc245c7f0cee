#include "chartfx3/modelchartfx.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string Num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}

std::string Quote(const std::string& s) {
    return "\"" + s + "\"";
}

std::string Prop(const char* name, long long v) {
    return std::string(name) + "=" + std::to_string(v);
}

} // namespace

std::int16_t ChartTypeOf(ChartKind kind) {
    return kind == ChartKind::Pie ? TChartfx::kPieChart : TChartfx::kBarChart;
}

void SendChart(const ChartModel& chart, TChartfx& control) {
    control.SetDecimals(chart.decimals);
    control.SetFixedGap(chart.fixedGap);
    control.SetXLegFontName(chart.categoryFont);
    control.SetChart3D(chart.chart3D);
    control.SetAngles3D(chart.angles3D);
    control.SetXLegFontSize(chart.categoryFontSize);
    control.SetChartType(ChartTypeOf(chart.kind));
    control.SetPointName(chart.pointName);
    for (std::size_t i = 0; i < chart.categories.size(); ++i)
        control.SetPointLegend(static_cast<std::int16_t>(i), chart.categories[i]);
    for (std::int16_t t : {0, 2, 3})
        control.SetChartTitle(t, chart.titles[static_cast<std::size_t>(t)]);
    std::size_t points = chart.categories.size();
    for (const ChartSeries& s : chart.series)
        points = std::max(points, s.values.size());
    control.OpenChartData(1, static_cast<std::int32_t>(chart.series.size()),
                          static_cast<std::int32_t>(points));
    for (std::size_t s = 0; s < chart.series.size(); ++s) {
        const auto serie = static_cast<std::int16_t>(s);
        control.SetThisSerie(serie);
        control.SetSeriesLegend(serie, chart.series[s].legend);
        for (std::size_t p = 0; p < chart.series[s].values.size(); ++p)
            control.SetPointValue(static_cast<std::int16_t>(p), chart.series[s].values[p]);
    }
    control.SetPairedSeries(chart.pairedSeries);
    control.SetChartAdm(1, chart.axisMax);
    control.CloseChartData(1);
}

void ModelChartfx::SetThisSerie(std::int16_t series) {
    Note([&] { return Prop("ThisSerie", series); });
    thisSerie_ = series;
}

void ModelChartfx::SetTopGap(std::int16_t gap) {
    Note([&] { return Prop("TopGap", gap); });
    pending_.topGap = shown_.topGap = gap;
    OnShownChanged();
}

void ModelChartfx::SetBottomGap(std::int16_t gap) {
    Note([&] { return Prop("BottomGap", gap); });
    pending_.bottomGap = shown_.bottomGap = gap;
    OnShownChanged();
}

void ModelChartfx::SetDecimals(std::int16_t decimals) {
    Note([&] { return Prop("Decimals", decimals); });
    pending_.decimals = decimals;
}

void ModelChartfx::SetAngles3D(std::int32_t angles) {
    Note([&] { return Prop("Angles3D", angles); });
    pending_.angles3D = angles;
}

void ModelChartfx::SetFixedGap(std::int16_t fixedGap) {
    Note([&] { return Prop("FixedGap", fixedGap); });
    pending_.fixedGap = fixedGap;
}

void ModelChartfx::SetChartType(std::int16_t type) {
    Note([&] { return Prop("ChartType", type); });
    pending_.kind = type == kPieChart ? ChartKind::Pie : ChartKind::Bars;
}

void ModelChartfx::SetPointName(const std::string& name) {
    Note([&] { return "PointName=" + Quote(name); });
    pending_.pointName = name;
}

void ModelChartfx::SetChart3D(bool on) {
    Note([&] { return std::string("Chart3D=") + (on ? "true" : "false"); });
    pending_.chart3D = on;
}

void ModelChartfx::SetXLegFontName(const std::string& face) {
    Note([&] { return "XLegFont.Name=" + Quote(face); });
    pending_.categoryFont = face;
}

void ModelChartfx::SetXLegFontSize(int points) {
    Note([&] { return Prop("XLegFont.Size", points); });
    pending_.categoryFontSize = points;
}

void ModelChartfx::SetPairedSeries(bool paired) {
    Note([&] { return std::string("PairedSeries=") + (paired ? "true" : "false"); });
    pending_.pairedSeries = paired;
}

std::int32_t ModelChartfx::OpenChartData(std::int16_t mode, std::int32_t series,
                                         std::int32_t points) {
    Note([&] {
        return std::string("OpenChartData(" + std::to_string(mode) + "," + std::to_string(series) +
                           "," + std::to_string(points) + ")");
    });
    const auto nSeries = static_cast<std::size_t>(series > 0 ? series : 0);
    const auto nPoints = static_cast<std::size_t>(points > 0 ? points : 0);
    // Point legends and titles were written before the open and stay; the data is replaced.
    pending_.categories.resize(nPoints);
    pending_.series.assign(nSeries, ChartSeries{{}, std::vector<double>(nPoints, 0.0)});
    pending_.pairedSeries = false;
    thisSerie_ = 0;
    return 1;
}

bool ModelChartfx::CloseChartData(std::int16_t mode) {
    Note([&] { return "CloseChartData(" + std::to_string(mode) + ")"; });
    shown_ = pending_;
    OnShownChanged();
    return true;
}

void ModelChartfx::SetPointValue(std::int16_t point, double value) {
    Note([&] {
        return std::string("SetPointValue(" + std::to_string(point) + "," + Num(value) + ")");
    });
    if (thisSerie_ < 0 || static_cast<std::size_t>(thisSerie_) >= pending_.series.size())
        return;
    auto& values = pending_.series[static_cast<std::size_t>(thisSerie_)].values;
    if (point >= 0 && static_cast<std::size_t>(point) < values.size())
        values[static_cast<std::size_t>(point)] = value;
}

void ModelChartfx::SetChartAdm(std::int16_t index, double value) {
    Note([&] {
        return std::string("SetChartAdm(" + std::to_string(index) + "," + Num(value) + ")");
    });
    if (index == 1)
        pending_.axisMax = value;
}

void ModelChartfx::SetChartTitle(std::int16_t index, const std::string& text) {
    Note([&] {
        return std::string("SetChartTitle(" + std::to_string(index) + "," + Quote(text) + ")");
    });
    if (index >= 0 && static_cast<std::size_t>(index) < pending_.titles.size())
        pending_.titles[static_cast<std::size_t>(index)] = text;
}

void ModelChartfx::SetPointLegend(std::int16_t point, const std::string& text) {
    Note([&] {
        return std::string("SetPointLegend(" + std::to_string(point) + "," + Quote(text) + ")");
    });
    if (point < 0)
        return;
    const auto i = static_cast<std::size_t>(point);
    // Legends come before OpenChartData fixes the number of points, so they may grow the list.
    if (i >= pending_.categories.size())
        pending_.categories.resize(i + 1);
    pending_.categories[i] = text;
}

void ModelChartfx::SetSeriesLegend(std::int16_t series, const std::string& text) {
    Note([&] {
        return std::string("SetSeriesLegend(" + std::to_string(series) + "," + Quote(text) + ")");
    });
    if (series >= 0 && static_cast<std::size_t>(series) < pending_.series.size())
        pending_.series[static_cast<std::size_t>(series)].legend = text;
}
