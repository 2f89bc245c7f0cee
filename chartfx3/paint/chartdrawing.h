// ChartDrawing: a ChartModel made ready to paint: the one drawing of a chart on screen, on
// paper and in image files, and what lies under a point of it.
#pragma once

#include "chartfx3/chartmodel.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;

// Bars (ChartType 2) and pies (5) are drawn by BarChartView and PieChartView, the 3-D view
// (Chart3D, bars only) by Chart3DView. The chart is laid out in chart pixels of 1/96 inch, so
// that it looks the same on a 96-dpi screen, in a 300-dpi PDF and on a 1200-dpi printer. The
// layout of the last size is kept, so that repainting a window costs only the painting.
class ChartDrawing {
public:
    explicit ChartDrawing(const ChartModel& chart);
    ~ChartDrawing();
    ChartDrawing(const ChartDrawing&) = delete;
    ChartDrawing& operator=(const ChartDrawing&) = delete;

    // Paints into `target` of the painter; `dpi` is the number of painter units per inch
    // there (96 for widgets and images, the resolution for printers and PDF writers).
    void paint(QPainter& painter, const QRectF& target, double dpi = 96) const;

    // The tooltip for `pos` in a chart drawn at `size` (96 dpi): the floor, hour or shaft, the
    // series and the value of the bar or slice there ("Etage 7 · Auf-Rufe: 312"); empty
    // where there is none.
    QString toolTip(const QSizeF& size, const QPointF& pos) const;

    bool is3D() const;

private:
    struct Views;
    const Views& layout(const QSizeF& size) const;

    ChartModel chart_;
    mutable std::unique_ptr<Views> views_;
};

// The chart painted into `target` (see ChartDrawing::paint).
void PaintChart(const ChartModel& chart, QPainter& painter, const QRectF& target, double dpi = 96);
// The chart as an image of `size` pixels on white, laid out at 96 dpi in `size` / `scale`:
// with a scale of 2 the same chart as at half the size, its text and lines twice as large.
// Scaled, the image says scale x 96 dpi, so that a document places it at the layout's size.
QImage ChartImage(const ChartModel& chart, const QSize& size, double scale = 1);

// How far a chart on paper keeps from the paper's left and right edges: its value-axis title
// is then never cut by a printer's margin.
inline constexpr double kPaperSideMarginMm = 10;
// The room for a chart on paper: the printable area, narrowed where it comes nearer than
// kPaperSideMarginMm to the paper's left or right edge. Both rectangles in the painter's
// device units of `dpi`, `paper` the whole sheet.
QRectF PaperChartRect(const QRectF& paper, const QRectF& printable, double dpi);
