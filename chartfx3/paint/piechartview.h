// PieChartView: the pie of a chart's first series with its legend, drawn with QPainter.
#pragma once

#include "chartfx3/chartmodel.h"

#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <optional>

class QPainter;

// Heading on top, the legend on the right (every point with value and share, a point of
// nothing included), the pie in the rest with each slice's share outside it. Slices start at
// twelve o'clock and run clockwise; with nothing to share out a grey disc says "keine Rufe".
class PieChartView {
public:
    PieChartView(const ChartModel& chart, const QSizeF& size);

    void paint(QPainter& painter) const;
    // The slice under `pos`.
    std::optional<int> hitTest(const QPointF& pos) const;

    QRectF pieRect() const { return pie_; }
    const QStringList& legendTexts() const { return legends_; }
    // "Schacht A · Rufverteilung: 312 (25,3 %)".
    QString sliceText(int point) const;

private:
    double part(int point) const;
    // Start and span of a slice in degrees, clockwise from twelve o'clock.
    std::pair<double, double> sliceAngles(int point) const;

    ChartModel chart_;
    QSizeF size_;
    int points_ = 0;
    double total_ = 0;
    QRectF heading_, legend_, pie_;
    QStringList legends_;
};
