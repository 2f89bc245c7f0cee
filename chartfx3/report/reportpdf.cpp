#include "chartfx3/report/reportpdf.h"

#include "chartfx3/paint/chartdrawing.h"
#include "chartfx3/paint/chartexport.h"
#include "chartfx3/paint/chartstyle.h"
#include "chartfx3/report/coverpage.h"
#include "chartfx3/report/keyfigurepage.h"
#include "chartfx3/report/memowrap.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <stdexcept>

void WriteReportPdf(const std::string& path, const ReportContent& content, int coverTextWidth) {
    const QString target = QText(path);
    QStringList paragraphs;
    for (const std::string& line : content.coverParagraphs)
        paragraphs << QText(line);

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        ThrowCannotWrite(target, file.errorString());
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
            ThrowCannotWrite(target, QString());
        PaintCoverSheet(painter, LogoBitmap(), WrapLikeMemo(paragraphs, coverTextWidth));
        // The key figures upright after the cover, half an inch inside the printable area.
        if (!pdf.newPage())
            ThrowCannotWrite(target, QString());
        const double inset = kCoverResolution / 2.0;
        PaintKeyFigurePage(
            painter, QRectF(0, 0, pdf.width(), pdf.height()).adjusted(inset, inset, -inset, -inset),
            kCoverResolution, QText(content.keyFigureTitle), content.keyFigures);
        if (!content.comparisonFigures.empty()) {
            if (!pdf.newPage())
                ThrowCannotWrite(target, QString());
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
                ThrowCannotWrite(target, QString());
            PaintChart(chart, painter, QRectF(0, 0, pdf.width(), pdf.height()), kCoverResolution);
        }
        painter.end();
    }
    if (!file.commit())
        ThrowCannotWrite(target, file.errorString());
}
