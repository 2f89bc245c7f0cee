#include "reportcontent.h"

#include "charts.h"
#include "coversheet.h"
#include "keyfigures.h"

ReportContent BuildReportContent(StatisticsStore& store) {
    ReportContent content;
    content.coverParagraphs = BuildCoverSheet(store);
    content.keyFigureTitle = KeyFigureTitle(store);
    content.keyFigures = KeyFigureRows(ComputeKeyFigures(store));
    for (auto& [id, chart] : DrawAllCharts(store))
        content.charts.push_back(std::move(chart));
    return content;
}
