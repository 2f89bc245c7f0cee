#include "reportcontent.h"

#include "charts.h"
#include "coversheet.h"

ReportContent BuildReportContent(StatisticsStore& store) {
    ReportContent content;
    content.coverParagraphs = BuildCoverSheet(store);
    for (auto& [id, chart] : DrawAllCharts(store))
        content.charts.push_back(std::move(chart));
    return content;
}
