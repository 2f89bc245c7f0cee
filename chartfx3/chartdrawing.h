// ChartDrawing: a ChartModel made ready to paint: the one drawing of a chart on screen, on
// paper and in image files.
#pragma once

#include "chartmodel.h"

#include <QImage>
#include <QRectF>
#include <QSize>

#include <memory>

class Chart3DView;
class QPainter;
class QtChartScene;

// Bars (ChartType 2) and pies (5) are Qt Charts scenes, the 3-D view (Chart3D, bars only) is
// drawn by Chart3DView. The chart is laid out in chart pixels of 1/96 inch, so that it looks
// the same on a 96-dpi screen, in a 300-dpi PDF and on a 1200-dpi printer.
class ChartDrawing {
public:
    explicit ChartDrawing(const ChartModel& chart);
    ~ChartDrawing();
    ChartDrawing(const ChartDrawing&) = delete;
    ChartDrawing& operator=(const ChartDrawing&) = delete;

    // Paints into `target` of the painter; `dpi` is the number of painter units per inch
    // there (96 for widgets and images, the resolution for printers and PDF writers).
    void paint(QPainter& painter, const QRectF& target, double dpi = 96) const;

    bool is3D() const;

private:
    ChartModel chart_;
    std::unique_ptr<QtChartScene> scene_;
};

// The chart painted into `target` (see ChartDrawing::paint).
void PaintChart(const ChartModel& chart, QPainter& painter, const QRectF& target, double dpi = 96);
// The chart as an image of `size` pixels at 96 dpi on white.
QImage ChartImage(const ChartModel& chart, const QSize& size);
