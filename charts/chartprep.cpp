#include "charts/chartprep.h"

#include "statglob/text.h"

#include <cmath>

namespace {

constexpr std::int32_t kAngles3D = 0x00190032; // 50 degrees low half, 25 high half

template <typename Table> std::string_view At(const Table& names, int i) {
    return i < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(i)].view()
                                              : std::string_view();
}

} // namespace

std::string_view ChartWriter::Legend(LabelKind kind, int i) const {
    if (!store_)
        return {};
    switch (kind) {
    case LabelKind::Floors:
        return At(store_->FloorNames, i);
    case LabelKind::Hours:
        return At(store_->HourNames, i);
    case LabelKind::ShaftsPie:
    case LabelKind::ShaftsBars:
        return At(store_->ShaftNames, i);
    }
    return {};
}

void ChartWriter::PrepareChart(const std::string& title, const std::string& valueAxisTitle,
                               const std::string& categoryAxisTitle, std::uint8_t points,
                               LabelKind kind, std::uint8_t series) {
    chart_.SetDecimals(0);
    chart_.SetFixedGap(1);
    chart_.SetXLegFontName("Arial Narrow");
    if (series > 2) {
        chart_.SetChart3D(true);
        chart_.SetAngles3D(kAngles3D);
    } else {
        chart_.SetChart3D(false);
    }
    chart_.SetXLegFontSize(kind == LabelKind::Hours ? 7 : 8);
    chart_.SetPointName(kind == LabelKind::Floors ? "Etage" : "");
    for (int i = 0; i < points; ++i) {
        chart_.SetChartType(kind == LabelKind::ShaftsPie ? TChartfx::kPieChart
                                                         : TChartfx::kBarChart);
        chart_.SetPointLegend(static_cast<std::int16_t>(i), Cp1252ToUtf8(Legend(kind, i)));
    }
    chart_.SetChartTitle(0, valueAxisTitle);
    chart_.SetChartTitle(2, title);
    chart_.SetChartTitle(3, categoryAxisTitle);
    chart_.OpenChartData(1, series, points);
}

void ChartWriter::PrepareChart(const std::string& title, const std::string& valueAxisTitle,
                               const std::string& categoryAxisTitle,
                               const std::vector<std::string>& legends, std::uint8_t series,
                               std::int16_t decimals) {
    chart_.SetDecimals(decimals);
    chart_.SetFixedGap(1);
    chart_.SetXLegFontName("Arial Narrow");
    chart_.SetChart3D(false);
    chart_.SetXLegFontSize(8);
    chart_.SetPointName("");
    chart_.SetChartType(TChartfx::kBarChart);
    for (std::size_t i = 0; i < legends.size(); ++i)
        chart_.SetPointLegend(static_cast<std::int16_t>(i), legends[i]);
    chart_.SetChartTitle(0, valueAxisTitle);
    chart_.SetChartTitle(2, title);
    chart_.SetChartTitle(3, categoryAxisTitle);
    chart_.OpenChartData(1, series, static_cast<std::int32_t>(legends.size()));
}

void ChartWriter::WriteSeries(int series, const std::string& legend,
                              const std::vector<double>& values) {
    const auto s = static_cast<std::int16_t>(series);
    chart_.SetThisSerie(s);
    chart_.SetSeriesLegend(s, legend);
    for (std::size_t i = 0; i < values.size(); ++i) {
        chart_.SetPointValue(static_cast<std::int16_t>(i), values[i]);
        const auto above = static_cast<std::int64_t>(std::ceil(values[i]));
        if (above > ChartMax)
            ChartMax = above;
    }
}

void ChartWriter::WriteSeries(int series, const std::string& legend,
                              const std::vector<std::int64_t>& values) {
    const auto s = static_cast<std::int16_t>(series);
    chart_.SetThisSerie(s);
    chart_.SetSeriesLegend(s, legend);
    for (std::size_t i = 0; i < values.size(); ++i) {
        chart_.SetPointValue(static_cast<std::int16_t>(i), static_cast<double>(values[i]));
        if (values[i] > ChartMax)
            ChartMax = values[i];
    }
}

std::int64_t ChartWriter::RoundUpScale(std::int64_t chartMax) {
    return (chartMax / 100) * 100 + 100;
}

void ChartWriter::Close() {
    ChartMax = RoundUpScale(ChartMax);
    CloseUnrounded();
}

void ChartWriter::CloseUnrounded() {
    chart_.SetChartAdm(1, static_cast<double>(ChartMax));
    chart_.CloseChartData(1);
}
