// The report of a loaded file as data: what the report tool and the main window's report
// button hand to WriteReportPdf.
#pragma once

#include "chartfx3/chartmodel.h"
#include "charts/keyfigurerow.h"
#include "statglob/store.h"

#include <string>
#include <vector>

struct ReportContent {
    std::vector<std::string> coverParagraphs; // UTF-8, the memo's paragraphs
    KeyFigureTable keyFigures;
    // With a comparison file: its figures beside these on a page of their own after the key
    // figures; no rows without one.
    KeyFigureTable comparison;
    std::vector<ChartModel> charts; // in button order
    // What heads every page but the cover (UTF-8): the statistics file's name, its period
    // ("01.11.26 00:00 – 07.11.26 24:00") and, with a comparison, the comparison file's name.
    std::string file, period, comparisonFile;
};

// The cover sheet's summary (BuildCoverSheet), the key figures and the eleven charts in button
// order, drawn with the floor names in force. Callers that know better cover paragraphs (the
// memo as the user edited it, the tool's --kunde) put them in place of the summary.
ReportContent BuildReportContent(StatisticsStore& store);

// Makes it the comparison report, after the cover paragraphs are in place: the cover also names
// the comparison file and its period, the side-by-side figures follow the key figures, and the
// charts that have a comparison show both periods.
void AddComparison(ReportContent& content, const StatisticsStore& store,
                   const StatisticsStore& other);
