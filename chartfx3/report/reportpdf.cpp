#include "chartfx3/report/reportpdf.h"

#include "chartfx3/paint/chartdrawing.h"
#include "chartfx3/paint/chartstyle.h"
#include "chartfx3/report/coverpage.h"
#include "chartfx3/report/keyfigurepage.h"
#include "chartfx3/report/memowrap.h"
#include "statglob/errors.h"
#include "statglob/outputfile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <string_view>

void WriteReportPdf(const std::string& path, const ReportContent& content, int coverTextWidth) {
    const QString target = QText(path);
    const auto failed = [&path] { throw WriteError(path, std::string()); };
    QStringList paragraphs;
    for (const std::string& line : content.coverParagraphs)
        paragraphs << QText(line);

    // Drawn in memory (some hundred KB) and written at once: the file is complete or untouched.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kCoverResolution);
        pdf.setCreator(QStringLiteral("Gruppenstatistik"));
        pdf.setTitle(QStringLiteral("Gruppenstatistik: ") + QFileInfo(target).fileName());
        // Like a printer's printable area: positions count from a small margin.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Point));
        QPainter painter;
        if (!painter.begin(&pdf))
            failed();
        PaintCoverSheet(painter, LogoBitmap(), WrapLikeMemo(paragraphs, coverTextWidth));
        // The key figures upright after the cover, half an inch inside the printable area.
        if (!pdf.newPage())
            failed();
        const double inset = kCoverResolution / 2.0;
        PaintKeyFigurePage(
            painter, QRectF(0, 0, pdf.width(), pdf.height()).adjusted(inset, inset, -inset, -inset),
            kCoverResolution, QText(content.keyFigureTitle), content.keyFigures);
        if (!content.comparisonFigures.empty()) {
            if (!pdf.newPage())
                failed();
            PaintKeyFigurePage(
                painter,
                QRectF(0, 0, pdf.width(), pdf.height()).adjusted(inset, inset, -inset, -inset),
                kCoverResolution, QText(content.comparisonTitle), content.comparisonFigures);
        }
        for (const ChartModel& shown : content.charts) {
            ChartModel chart = shown;
            chart.topGap = kPrintGap;
            chart.bottomGap = kPrintGap;
            pdf.setPageOrientation(QPageLayout::Landscape);
            if (!pdf.newPage())
                failed();
            PaintChart(chart, painter, QRectF(0, 0, pdf.width(), pdf.height()), kCoverResolution);
        }
        painter.end();
    }
    WriteFileAtomically(path, std::string_view(file.data().constData(),
                                               static_cast<std::size_t>(file.data().size())));
}
