#include "chartfx3/paint/chartexport.h"

#include "chartfx3/paint/chartdrawing.h"
#include "chartfx3/paint/chartstyle.h"
#include "charts/figurestext.h"
#include "statglob/errors.h"
#include "statglob/outputfile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

// Pixels per inch of the chart's own layout and of the SVG; PDF pages are drawn at kPdfDpi.
constexpr int kScreenDpi = 96;
constexpr int kPdfDpi = 300;

// Draws the chart into `device` with a painter; false when the painter cannot start.
bool Paint(const ChartModel& chart, QPaintDevice& device, const QRectF& target, double dpi) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PaintChart(chart, painter, target, dpi);
    return painter.end();
}

QSize ScaledSize(const QSize& size, double scale) {
    return QSize(qRound(size.width() * scale), qRound(size.height() * scale));
}

} // namespace

QByteArray ChartFileBytes(const ChartModel& chart, ChartFileFormat format, const QSize& size,
                          double scale) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QString title = QText(chart.heading());
    bool painted = false;
    switch (format) {
    case ChartFileFormat::Png:
        painted = ChartImage(chart, ScaledSize(size, scale), scale).save(&buffer, "PNG");
        break;
    case ChartFileFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(kScreenDpi);
        svg.setTitle(title);
        painted = Paint(chart, svg, QRectF(QPointF(0, 0), QSizeF(size)), kScreenDpi);
        break;
    }
    case ChartFileFormat::Pdf: {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPdfDpi);
        pdf.setCreator(QStringLiteral("Gruppenstatistik"));
        pdf.setTitle(title);
        const QSizeF points = QSizeF(size) * 72.0 / kScreenDpi;
        pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
        painted = Paint(chart, pdf, QRectF(0, 0, pdf.width(), pdf.height()), kPdfDpi);
        break;
    }
    }
    return painted ? buffer.data() : QByteArray();
}

void ThrowCannotWrite(const QString& path, const QString& why) {
    throw WriteError(FileNameBytes(path), why.toStdString());
}

std::optional<ChartFileFormat> FormatOfPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (ChartFileFormat format :
         {ChartFileFormat::Png, ChartFileFormat::Svg, ChartFileFormat::Pdf})
        if (suffix == SuffixOf(format))
            return format;
    return std::nullopt;
}

QString SuffixOf(ChartFileFormat format) {
    switch (format) {
    case ChartFileFormat::Svg:
        return QStringLiteral("svg");
    case ChartFileFormat::Pdf:
        return QStringLiteral("pdf");
    case ChartFileFormat::Png:
        break;
    }
    return QStringLiteral("png");
}

void SaveBytes(const QString& path, const QByteArray& bytes) {
    WriteFileAtomically(
        FileNameBytes(path),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void SaveChart(const ChartModel& chart, const QString& path, ChartFileFormat format,
               const QSize& size, double scale) {
    // Drawn completely before the file is touched: a drawing that fails leaves no file behind.
    const QByteArray bytes = ChartFileBytes(chart, format, size.expandedTo(QSize(1, 1)), scale);
    if (bytes.isEmpty())
        ThrowCannotWrite(path, QString());
    SaveBytes(path, bytes);
}

std::unique_ptr<QMimeData> ChartMimeData(const ChartModel& chart, const QSize& size, double scale) {
    auto data = std::make_unique<QMimeData>();
    data->setImageData(ChartImage(chart, ScaledSize(size, scale), scale));
    data->setText(QText(FiguresText(chart)));
    return data;
}
