#include "chartfx3/chartprinting.h"

#include "chartfx3/paint/chartdrawing.h"
#include "chartfx3/paint/chartstyle.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <stdexcept>

std::unique_ptr<QPrinter> CurrentPrinter() {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (all.isEmpty())
            throw std::runtime_error("Kein Drucker installiert.");
        info = all.front();
    }
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

void BeginPrintJob(QPainter& painter, QPrinter& printer) {
    if (painter.begin(&printer))
        return;
    const QString where =
        printer.outputFileName().isEmpty()
            ? QStringLiteral("Der Drucker „%1“ ist nicht bereit.").arg(printer.printerName())
            : QStringLiteral("Die Druckdatei „%1“ kann nicht "
                             "geschrieben werden.")
                  .arg(printer.outputFileName());
    throw std::runtime_error(where.toStdString());
}

void PrintChartPage(const ChartModel& chart, QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Gruppenstatistik: ") + QText(chart.heading()));
    QPainter painter;
    BeginPrintJob(painter, printer);
    // The painter counts from the printable area's corner.
    const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel).translated(-printable.topLeft());
    PaintChart(chart, painter,
               PaperChartRect(paper, QRectF(QPointF(0, 0), printable.size()), printer.resolution()),
               printer.resolution());
    painter.end();
}
