// The pattern every chart follows: prepare the control, write series while tracking the
// running maximum, round it to the value-axis maximum, close the data.
#pragma once

#include "chartfx3/tchartfx.h"
#include "statglob/store.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the points of a chart are, and so its legends, chart type and category font size.
enum class LabelKind : std::uint8_t {
    Floors = 0,     // FloorNames, bars, 8 pt
    Hours = 1,      // HourNames, bars, 7 pt
    ShaftsPie = 2,  // ShaftNames, pie, 8 pt
    ShaftsBars = 3, // ShaftNames, bars, 8 pt
};

// One chart being written to a control. ChartMax is wide: values of the file are 32-bit,
// their sums are not.
class ChartWriter {
public:
    ChartWriter(TChartfx& chart, const StatisticsStore& store) : chart_(chart), store_(&store) {}
    // A chart whose points are not the file's floors, hours or shafts (the trend of a group).
    explicit ChartWriter(TChartfx& chart) : chart_(chart) {}

    // Titles and point legends, chart type, 3-D switch, then OpenChartData. Texts are UTF-8.
    void PrepareChart(const std::string& title, const std::string& valueAxisTitle,
                      const std::string& categoryAxisTitle, std::uint8_t points, LabelKind kind,
                      std::uint8_t series);

    // The same for bars of points with these legends (UTF-8), never 3-D, values with
    // `decimals` places.
    void PrepareChart(const std::string& title, const std::string& valueAxisTitle,
                      const std::string& categoryAxisTitle, const std::vector<std::string>& legends,
                      std::uint8_t series, std::int16_t decimals);

    // ThisSerie, the legend, the values; raises ChartMax for every value strictly above it.
    void WriteSeries(int series, const std::string& legend,
                     const std::vector<std::int64_t>& values);
    // Values with a fraction: ChartMax rises to the next integer above them.
    void WriteSeries(int series, const std::string& legend, const std::vector<double>& values);

    // The value axis ends above the largest value, by 1 to 100: 0 -> 100, 100 -> 200.
    static std::int64_t RoundUpScale(std::int64_t chartMax);

    // RoundUpScale, SetChartAdm(1, ChartMax), CloseChartData(1).
    void Close();
    // SetChartAdm(1, ChartMax) and CloseChartData(1) without rounding.
    void CloseUnrounded();

    std::int64_t ChartMax = 0;

private:
    // Point i's legend (Windows-1252); empty past the end of its table.
    std::string_view Legend(LabelKind kind, int i) const;

    TChartfx& chart_;
    const StatisticsStore* store_ = nullptr;
};
