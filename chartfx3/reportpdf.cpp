#include "reportpdf.h"

#include "chartdrawing.h"
#include "coverpage.h"
#include "keyfigurepage.h"
#include "memowrap.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <stdexcept>

namespace {

// The gaps the chart window's print button sets for the paper.
constexpr std::int16_t kPrintGap = 200;

QString Q(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

[[noreturn]] void CannotWrite(const QString& path, const QString& why) {
    QString text =
        QStringLiteral("Die Datei \u201E%1\u201C kann nicht geschrieben werden").arg(path);
    if (!why.isEmpty())
        text += QStringLiteral(": ") + why;
    throw std::runtime_error(text.toStdString());
}

} // namespace

void WriteReportPdf(const std::string& path, const ReportContent& content) {
    const QString target = Q(path);
    QStringList paragraphs;
    for (const std::string& line : content.coverParagraphs)
        paragraphs << Q(line);

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        CannotWrite(target, file.errorString());
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
            CannotWrite(target, QString());
        PaintCoverSheet(painter, LogoBitmap(), WrapLikeMemo(paragraphs));
        // The key figures upright after the cover, half an inch inside the printable area.
        if (!pdf.newPage())
            CannotWrite(target, QString());
        const double inset = kCoverResolution / 2.0;
        PaintKeyFigurePage(
            painter, QRectF(0, 0, pdf.width(), pdf.height()).adjusted(inset, inset, -inset, -inset),
            kCoverResolution, Q(content.keyFigureTitle), content.keyFigures);
        for (const ChartModel& shown : content.charts) {
            ChartModel chart = shown;
            chart.topGap = kPrintGap;
            chart.bottomGap = kPrintGap;
            pdf.setPageOrientation(QPageLayout::Landscape);
            if (!pdf.newPage())
                CannotWrite(target, QString());
            PaintChart(chart, painter, QRectF(0, 0, pdf.width(), pdf.height()), kCoverResolution);
        }
        painter.end();
    }
    if (!file.commit())
        CannotWrite(target, file.errorString());
}
