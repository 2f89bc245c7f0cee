// The report as one PDF: the cover sheet, the key figures, then one landscape page per chart,
// vector output.
#pragma once

#include "charts/reportcontent.h"

#include <string>

// Writes the report (cover page, key-figure page, the comparison page when there are comparison
// figures, then one landscape page per chart, vector) through QSaveFile; throws
// std::runtime_error (German) when it cannot be written. The cover is laid out as the main
// window prints it, its paragraphs broken into lines at `coverTextWidth` pixels as the memo of
// that text width breaks them; each chart has the gaps of a print.
void WriteReportPdf(const std::string& path, const ReportContent& content, int coverTextWidth);
