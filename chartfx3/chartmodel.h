// ChartModel: one chart as plain data, what a chart control shows after CloseChartData.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct ChartSeries {
    std::string legend;
    std::vector<double> values; // one per point
};

struct ChartModel {
    // Titles by index: 0 value axis, 2 chart heading, 3 category axis (1 is never used).
    std::array<std::string, 4> titles;
    std::vector<std::string> categories; // point legends
    std::vector<ChartSeries> series;
    std::int16_t chartType = 2; // 2 bars, 5 pie
    bool chart3D = false;
    std::int32_t angles3D = 0;
    double axisMax = 0;       // upper end of the value axis
    std::int16_t topGap = 40; // margins, see QtChartfx for their unit
    std::int16_t bottomGap = 40;
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
};
