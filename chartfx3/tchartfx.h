// TChartfx: the chart control as the chart code sees it, its properties and operations.
#pragma once

#include <cstdint>
#include <string>

// Texts are UTF-8. Indices are 16-bit as the control takes them; point values are doubles.
class TChartfx {
public:
    // The chart types the control knows.
    static constexpr std::int16_t kBarChart = 2;
    static constexpr std::int16_t kPieChart = 5;

    virtual ~TChartfx() = default;

    // Properties (written only).
    virtual void SetThisSerie(std::int16_t series) = 0;
    virtual void SetTopGap(std::int16_t gap) = 0;
    virtual void SetBottomGap(std::int16_t gap) = 0;
    virtual void SetDecimals(std::int16_t decimals) = 0;
    virtual void SetAngles3D(std::int32_t angles) = 0; // low 16 bits and high 16 bits, degrees
    virtual void SetFixedGap(std::int16_t fixedGap) = 0;
    virtual void SetChartType(std::int16_t type) = 0; // kBarChart, kPieChart
    // What one point is called in its tooltip: "Etage" makes "Etage 7"; empty: the legend alone.
    virtual void SetPointName(const std::string& name) = 0;
    virtual void SetChart3D(bool on) = 0;
    virtual void SetXLegFontName(const std::string& face) = 0; // category-axis font
    virtual void SetXLegFontSize(int points) = 0;
    // The series come in pairs, a period and its comparison, drawn in one hue each, the second
    // lighter. Data like the values: OpenChartData sets it back.
    virtual void SetPairedSeries(bool paired) = 0;

    // Operations.
    virtual std::int32_t OpenChartData(std::int16_t mode, std::int32_t series,
                                       std::int32_t points) = 0;
    virtual bool CloseChartData(std::int16_t mode) = 0;
    virtual std::int32_t PrintChart() = 0;
    virtual void SetPointValue(std::int16_t point, double value) = 0; // of series ThisSerie
    virtual void SetChartAdm(std::int16_t index, double value) = 0;   // 1: value-axis maximum
    virtual void SetChartTitle(std::int16_t index, const std::string& text) = 0; // 0, 2, 3
    virtual void SetPointLegend(std::int16_t point, const std::string& text) = 0;
    virtual void SetSeriesLegend(std::int16_t series, const std::string& text) = 0;
};
