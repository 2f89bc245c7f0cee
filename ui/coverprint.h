// Printing the cover sheet, and the main window's pictures.
#pragma once

#include "chartfx3/report/coverpage.h"
#include "ui/memolines.h"

#include <QImage>
#include <QStringList>

class QPrinter;

// One page on `printer` (see PaintCoverSheet), without a dialog: sets its resolution to 300,
// paints, ends the job. Throws std::runtime_error with a German text when the job cannot begin.
void PrintCoverSheet(QPrinter& printer, const QImage& logo, const QStringList& lines);
