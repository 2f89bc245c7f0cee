#include "ui/coverprint.h"

#include <QPainter>
#include <QPrinter>

#include <stdexcept>

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
