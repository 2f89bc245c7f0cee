#include "charts/reportcontent.h"

#include "charts/charts.h"
#include "charts/comparison.h"
#include "charts/coversheet.h"
#include "charts/keyfigures.h"

ReportContent BuildReportContent(StatisticsStore& store) {
    ReportContent content;
    content.coverParagraphs = BuildCoverSheet(store);
    content.keyFigureTitle = KeyFigureTitle(store);
    content.keyFigures = KeyFigureRows(ComputeKeyFigures(store));
    for (auto& [id, chart] : DrawAllCharts(store))
        content.charts.push_back(std::move(chart));
    return content;
}

void AddComparison(ReportContent& content, const StatisticsStore& store,
                   const StatisticsStore& other) {
    for (std::string& line : ComparisonCoverLines(other))
        content.coverParagraphs.push_back(std::move(line));
    const Comparison comparison = Compare(store, other);
    content.comparisonTitle = ComparisonTitle(comparison);
    content.comparisonFigures = ComparisonRows(comparison);
    for (std::size_t i = 0; i < kCharts.size() && i < content.charts.size(); ++i)
        if (kCharts[i].hasComparison)
            content.charts[i] = DrawComparisonChart(kCharts[i].id, store, other);
}
