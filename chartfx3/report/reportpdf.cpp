#include "chartfx3/report/reportpdf.h"

#include "chartfx3/paint/chartdrawing.h"
#include "chartfx3/paint/chartstyle.h"
#include "chartfx3/report/coverpage.h"
#include "chartfx3/report/keyfigurepage.h"
#include "chartfx3/report/memowrap.h"
#include "charts/coversheet.h"
#include "statglob/errors.h"
#include "statglob/outputfile.h"

#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <string_view>

namespace {

constexpr double kFrameMarginMm = 10;
constexpr double kMillimetresPerInch = 25.4;

QString ReportDate() {
    bool given = false;
    const qint64 epoch = qgetenv("SOURCE_DATE_EPOCH").toLongLong(&given);
    const QDate date =
        given ? QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC).date() : QDate::currentDate();
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

// The whole sheet and its printable area in the painter's device units, which count from the
// printable area's corner.
struct Sheet {
    QRectF paper, printable;
};
Sheet SheetOf(const QPdfWriter& pdf) {
    const QPageLayout layout = pdf.pageLayout();
    const QRect full = layout.fullRectPixels(pdf.resolution());
    const QRect paint = layout.paintRectPixels(pdf.resolution());
    return {QRectF(full).translated(-paint.topLeft()), QRectF(QPointF(0, 0), QSizeF(paint.size()))};
}

} // namespace

PageFrame PageFrameOf(const ReportContent& content) {
    return {QText(content.file),
            QText(CoverField(content.coverParagraphs, "Kunde:")),
            QText(CoverField(content.coverParagraphs, "Kommission:")),
            QText(content.period),
            QText(content.comparisonFile),
            ReportDate()};
}

QRectF PaintPageFrame(QPainter& painter, const QRectF& paper, double dpi, const PageFrame& frame,
                      int number, int count) {
    // Laid out in chart pixels with the charts' fonts: no font size is loaded for this alone.
    const double scale = dpi / chartstyle::kChartDpi;
    const double margin = kFrameMarginMm / kMillimetresPerInch * chartstyle::kChartDpi;
    const QRectF area = QRectF(paper.topLeft() / scale, paper.size() / scale)
                            .adjusted(margin, margin, -margin, -margin);
    const QFont bold = chartstyle::AxisTitleFont();
    const QFont text = chartstyle::LegendFont();
    const double line = QFontMetricsF(bold).height();
    const auto join = [](const QStringList& parts) {
        QStringList given;
        for (const QString& part : parts)
            if (!part.isEmpty())
                given << part;
        return given.join(QStringLiteral(" · "));
    };
    QStringList customer;
    if (!frame.customer.isEmpty())
        customer << QStringLiteral("Kunde: ") + frame.customer;
    if (!frame.order.isEmpty())
        customer << QStringLiteral("Kommission: ") + frame.order;
    const QString period =
        frame.period.isEmpty() ? QString() : QStringLiteral("Zeitraum: ") + frame.period;
    const QString comparison = frame.comparisonFile.isEmpty()
                                   ? QString()
                                   : QStringLiteral("Vergleich: ") + frame.comparisonFile;

    painter.save();
    painter.scale(scale, scale);
    const auto row = [&](double top, const QFont& font, const QString& left, const QString& right) {
        painter.setFont(font);
        painter.drawText(QRectF(area.left(), top, area.width(), line), Qt::AlignLeft | Qt::AlignTop,
                         left);
        painter.setFont(text);
        painter.drawText(QRectF(area.left(), top, area.width(), line),
                         Qt::AlignRight | Qt::AlignTop, right);
    };
    painter.setPen(Qt::black);
    row(area.top(), bold, frame.file, period);
    row(area.top() + line, text, join(customer), comparison);
    const double headerRule = area.top() + 2 * line + 2;
    const double footerRule = area.bottom() - line - 2;
    row(footerRule + 3, text, QStringLiteral("Bericht vom ") + frame.date,
        QStringLiteral("Seite %1 von %2").arg(number).arg(count));
    painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 0));
    painter.drawLine(QPointF(area.left(), headerRule), QPointF(area.right(), headerRule));
    painter.drawLine(QPointF(area.left(), footerRule), QPointF(area.right(), footerRule));
    painter.restore();
    const double gap = line; // between the rules and what the page holds
    return QRectF(QPointF(area.left(), headerRule + gap) * scale,
                  QPointF(area.right(), footerRule - gap) * scale);
}

void WriteReportPdf(const std::string& path, const ReportContent& content, int coverTextWidth) {
    const QString target = QText(path);
    const auto failed = [&path] { throw WriteError(path, std::string()); };
    QStringList paragraphs;
    for (const std::string& line : content.coverParagraphs)
        paragraphs << QText(line);
    const PageFrame frame = PageFrameOf(content);
    const bool comparison = !content.comparison.rows.empty();
    const int pages = 2 + (comparison ? 1 : 0) + static_cast<int>(content.charts.size());

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
        int page = 1;
        // The key figures upright after the cover, between the header and the footer.
        for (const KeyFigureTable* table : {&content.keyFigures, &content.comparison}) {
            if (table == &content.comparison && !comparison)
                continue;
            if (!pdf.newPage())
                failed();
            const QRectF body =
                PaintPageFrame(painter, SheetOf(pdf).paper, kCoverResolution, frame, ++page, pages);
            PaintKeyFigurePage(painter, body, kCoverResolution, *table);
        }
        for (const ChartModel& shown : content.charts) {
            ChartModel chart = shown;
            chart.topGap = kPrintGap;
            chart.bottomGap = kPrintGap;
            pdf.setPageOrientation(QPageLayout::Landscape);
            if (!pdf.newPage())
                failed();
            // The frame lies in the gaps of the print, above and below the chart, drawn after
            // it: the chart paints its whole rectangle white.
            const Sheet sheet = SheetOf(pdf);
            PaintChart(chart, painter,
                       PaperChartRect(sheet.paper, sheet.printable, kCoverResolution),
                       kCoverResolution);
            PaintPageFrame(painter, sheet.paper, kCoverResolution, frame, ++page, pages);
        }
        painter.end();
    }
    WriteFileAtomically(path, std::string_view(file.data().constData(),
                                               static_cast<std::size_t>(file.data().size())));
}
