// Printing the cover sheet, and the main window's pictures.
#pragma once

#include "coverpage.h"
#include "memolines.h"

#include <QImage>
#include <QStringList>

class QPrinter;

// Makes the main window's pictures available (the library is static, so its resources are
// registered on first use).
void InitMainWindowResources();

// One page on `printer` (see PaintCoverSheet), without a dialog: sets its resolution to 300,
// paints, ends the job. Throws std::runtime_error with a German text when the job cannot begin.
void PrintCoverSheet(QPrinter& printer, const QImage& logo, const QStringList& lines);
