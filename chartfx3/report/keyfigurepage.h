// Key-figure page: the rows of the key figures drawn as a two-column table on paper or image.
#pragma once

#include "charts/keyfigurerow.h"

#include <QString>

#include <vector>

class QPainter;
class QRectF;

// Draws the title and the rows into `target`: each section as a shaded heading, then label and
// value side by side, long values wrapped. `dpi` is the number of painter units per inch there
// (96 for images, the resolution for printers and PDF writers). A table taller than `target`
// is drawn smaller so that it fits.
void PaintKeyFigurePage(QPainter& painter, const QRectF& target, double dpi, const QString& title,
                        const std::vector<KeyFigureRow>& rows);
