// libFuzzer target: two statistics files from one input (cut at the part separator), the second
// the comparison of the first: their comparison, its charts and its JSON. A file that does not
// load is replaced by a small one that does. The compared floors are those both files have,
// every text is valid UTF-8, every chart has a value per category, the JSON is valid.
#include "app/report.h"
#include "charts/comparison.h"
#include "fuzz/fuzzinput.h"
#include "statglob/text.h"
#include "tests/support/loadpath.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFile first("a.csv"), second("b.csv");
    const auto parts = InputParts(data, size, 2);
    const StatisticsStore store = LoadedOrSmall(first, parts[0]);
    const StatisticsStore other = LoadedOrSmall(second, parts[1]);
    const Comparison c = Compare(store, other);
    Require(c.floorCount == store.FloorCount && c.otherFloorCount == other.FloorCount &&
                c.comparedFloors == std::min(c.floorCount, c.otherFloorCount),
            "compared " + std::to_string(c.comparedFloors) + " floors of " +
                std::to_string(c.floorCount) + " and " + std::to_string(c.otherFloorCount));
    for (const std::string& text : {c.file, c.otherFile, c.period, c.otherPeriod})
        Require(IsValidUtf8(text), "text is not UTF-8: " + text);
    for (const ComparedFigure& f : c.figures)
        Require(IsValidUtf8(f.section + f.label + f.unit), "figure is not UTF-8: " + f.label);
    const KeyFigureTable table = ComparisonTable(c);
    for (const std::string& heading : table.columns)
        Require(IsValidUtf8(heading), "heading is not UTF-8: " + heading);
    for (const KeyFigureRow& row : table.rows)
        for (const std::string& cell : table.Cells(row))
            Require(IsValidUtf8(row.section + cell), "row is not UTF-8: " + cell);
    // The charts as the JSON holds them: drawing them once more would only halve the pace.
    const std::string json = JsonText(ComparisonJson(store, other));
    Require(IsValidUtf8(json) && nlohmann::json::accept(json), "JSON not valid");
    const nlohmann::json parsed = nlohmann::json::parse(json);
    for (const auto& chart : parsed["charts"])
        for (const auto& series : chart["series"])
            Require(series["values"].size() == chart["categories"].size(),
                    chart["id"].get<std::string>() + ": a series of " +
                        std::to_string(series["values"].size()) + " values");
    return 0;
}
