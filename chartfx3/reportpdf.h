// The report as one PDF: the cover sheet, the key figures, then one landscape page per chart,
// vector output.
#pragma once

#include "chartmodel.h"
#include "keyfigurerow.h"

#include <string>
#include <vector>

struct ReportContent {
    std::vector<std::string> coverParagraphs; // UTF-8, the memo's paragraphs
    std::string keyFigureTitle;               // UTF-8, heads the key-figure page
    std::vector<KeyFigureRow> keyFigures;
    // With a comparison file: its figures beside these on a page of their own after the key
    // figures; empty without one.
    std::string comparisonTitle;
    std::vector<KeyFigureRow> comparisonFigures;
    std::vector<ChartModel> charts; // in button order
};

// Writes the report (cover page, key-figure page, the comparison page when there are comparison
// figures, then one landscape page per chart, vector)
// through WriteFileAtomically to `path` (bytes, as the system spells the name); throws
// WriteError (German, naming the file) when it cannot be written. The cover is
// laid out as the main window prints it, lines broken where its memo breaks them; each chart has
// the gaps of a print.
void WriteReportPdf(const std::string& path, const ReportContent& content);
