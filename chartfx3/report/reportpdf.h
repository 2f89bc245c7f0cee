// The report as one PDF: the cover sheet, the key figures, then one landscape page per chart,
// vector output; every page but the cover headed by the building and ended by its number.
#pragma once

#include "charts/reportcontent.h"

#include <QString>

#include <string>

class QPainter;
class QRectF;

// What heads and ends a report's page: the statistics file's name, the customer and the order
// (empty when not given), the period, the comparison file's name (empty without one) and the
// report's date.
struct PageFrame {
    QString file, customer, order, period, comparisonFile, date;
};
// The frame of `content`: customer and order as typed behind "Kunde:" and "Kommission:" in its
// cover paragraphs, the date of today (or of SOURCE_DATE_EPOCH, for reproducible reports).
PageFrame PageFrameOf(const ReportContent& content);

// Draws the header along the top of `paper` (the whole sheet, in the painter's device units of
// `dpi`) and the footer "Bericht vom <date>" and "Seite <number> von <count>" along its bottom,
// 10 mm inside its edges. Returns the room between them, 10 mm inside the sides.
QRectF PaintPageFrame(QPainter& painter, const QRectF& paper, double dpi, const PageFrame& frame,
                      int number, int count);

// Writes the report (cover page, key-figure page, the comparison page when there are comparison
// figures, then one landscape page per chart, vector) through QSaveFile; throws
// std::runtime_error (German) when it cannot be written. The cover is laid out as the main
// window prints it, its paragraphs broken into lines at `coverTextWidth` pixels as the memo of
// that text width breaks them; each chart has the gaps of a print and at least 10 mm from the
// sides of the paper; the other pages have the frame (PaintPageFrame).
void WriteReportPdf(const std::string& path, const ReportContent& content, int coverTextWidth);
