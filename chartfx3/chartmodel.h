// ChartModel: one chart as plain data, what a chart control shows after CloseChartData.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// How the chart is drawn; the control's numbered chart types are turned into this by the
// model control alone (ModelChartfx).
enum class ChartKind : std::uint8_t { Bars, Pie };

struct ChartSeries {
    std::string legend;
    std::vector<double> values; // one per point
};

// TopGap and BottomGap on screen and on paper, thousandths of the chart's height.
inline constexpr std::int16_t kScreenGap = 40;
inline constexpr std::int16_t kPrintGap = 200;

struct ChartModel {
    // Titles by index: 0 value axis, 2 chart heading, 3 category axis (1 is never used).
    std::array<std::string, 4> titles;
    std::vector<std::string> categories; // point legends
    std::vector<ChartSeries> series;
    ChartKind kind = ChartKind::Bars;
    bool chart3D = false; // bars only: then the rows are the floors
    // The series come in pairs, a period and its comparison: one hue per pair.
    bool pairedSeries = false;
    std::string pointName; // a point's name in its tooltip ("Etage"), or empty
    std::int32_t angles3D = 0;
    double axisMax = 0; // upper end of the value axis
    std::int16_t topGap = kScreenGap;
    std::int16_t bottomGap = kScreenGap;
    std::int16_t decimals = 0;
    std::int16_t fixedGap = 0;
    std::string categoryFont = "Arial Narrow";
    int categoryFontSize = 8;

    const std::string& valueAxisTitle() const { return titles[0]; }
    const std::string& heading() const { return titles[2]; }
    const std::string& categoryAxisTitle() const { return titles[3]; }
    // The two halves of Angles3D: low 16 bits and high 16 bits, in degrees.
    int angleLow() const { return static_cast<int>(angles3D & 0xFFFF); }
    int angleHigh() const { return static_cast<int>((angles3D >> 16) & 0xFFFF); }
    bool is3D() const { return chart3D && kind == ChartKind::Bars; }
};
