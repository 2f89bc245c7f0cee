#include "charts/reportcontent.h"

#include "charts/charts.h"
#include "charts/comparison.h"
#include "charts/coversheet.h"
#include "charts/keyfigures.h"
#include "statglob/text.h"

ReportContent BuildReportContent(StatisticsStore& store) {
    ReportContent content;
    content.coverParagraphs = BuildCoverSheet(store);
    content.keyFigures = KeyFigureTableOf(store);
    content.file = BaseName(store.FileName.view());
    content.period = PeriodText(store);
    for (auto& [id, chart] : DrawAllCharts(store))
        content.charts.push_back(std::move(chart));
    return content;
}

void AddComparison(ReportContent& content, const StatisticsStore& store,
                   const StatisticsStore& other) {
    for (std::string& line : ComparisonCoverLines(other))
        content.coverParagraphs.push_back(std::move(line));
    content.comparison = ComparisonTable(Compare(store, other));
    content.comparisonFile = BaseName(other.FileName.view());
    for (std::size_t i = 0; i < kCharts.size() && i < content.charts.size(); ++i)
        if (kCharts[i].hasComparison)
            content.charts[i] = DrawComparisonChart(kCharts[i].id, store, other);
}
