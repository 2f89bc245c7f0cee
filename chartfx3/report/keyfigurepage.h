// Key-figure page: the key-figure table drawn on paper or image.
#pragma once

#include "charts/keyfigurerow.h"

class QPainter;
class QRectF;

// Draws the title and the rows into `target`: each section as a shaded heading, then a line
// per row, long texts wrapped. A file's table has label and value side by side; a comparison's
// has its six columns under their headings, the assessment in its colour, and a note's value
// across the comparison's columns. `dpi` is the number of painter units per inch there (96 for
// images, the resolution for printers and PDF writers). A table taller than `target` is drawn
// smaller so that it fits.
void PaintKeyFigurePage(QPainter& painter, const QRectF& target, double dpi,
                        const KeyFigureTable& table);
