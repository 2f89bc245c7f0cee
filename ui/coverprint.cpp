#include "coverprint.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <stdexcept>

void InitMainWindowResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(mainwin);
        return true;
    }();
    (void)done;
}

QImage LogoBitmap() {
    InitMainWindowResources();
    return QImage(QString::fromLatin1(kLogoResource));
}

void PaintCoverSheet(QPainter& painter, const QImage& logo, const QStringList& lines) {
    painter.save();
    // One device unit per bitmap pixel, whatever the image claims about its own density.
    QImage bitmap = logo;
    bitmap.setDevicePixelRatio(1.0);
    painter.drawImage(QPoint(kCoverLeft, kCoverLogoTop), bitmap);

    QFont font(QStringLiteral("Arial"));
    font.setPointSize(kCoverPointSize);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int ascent = QFontMetrics(font, painter.device()).ascent();
    for (int i = 0; i < kCoverLineCount && i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        painter.drawText(QPoint(kCoverLeft, kCoverTextTop + kCoverLinePitch * i + ascent),
                         lines[i]);
    }
    painter.restore();
}

void PrintCoverSheet(QPrinter& printer, const QImage& logo, const QStringList& lines) {
    printer.setResolution(kCoverResolution);
    printer.setDocName(
        QStringLiteral("Gruppenstatistik: Deckblatt")); // the job's name in the queue
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("Der Druckauftrag konnte nicht begonnen werden");
    PaintCoverSheet(painter, logo, lines);
    if (!painter.end())
        throw std::runtime_error("Der Druckauftrag konnte nicht abgeschlossen werden");
}
