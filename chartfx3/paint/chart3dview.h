// Chart3DView: the three-dimensional view of one row of bars per series, drawn with QPainter.
#pragma once

#include "chartfx3/chartmodel.h"

#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>

#include <optional>
#include <utility>

class QPainter;

// A parallel projection of the bars standing on a floor plane: points run from left to right,
// series from the front (series 0) to the back. The depth axis recedes up and to the right at
// the angle of Angles3D's low half (50 degrees) above the horizontal, and is shortened by the
// sine of its high half (25 degrees), the eye's height above the floor. A chart with more
// rows than fit is made shallower, never cut; the series legends name the rows at their
// right end, every one of them when their letters fit between the rows at down to 6 points,
// else every second, third, ...
class Chart3DView {
public:
    // Lays the chart out in (0, 0, size) chart pixels.
    Chart3DView(const ChartModel& chart, const QSizeF& size);

    void paint(QPainter& painter) const;

    // Where a point lands: x in points (0..points), z in rows (0..series), value in axis units.
    QPointF project(double x, double z, double value) const;
    // The bar under `pos` as (series, point): the front rows and, within a row, the right-hand
    // bars first, as they cover what lies behind them.
    std::optional<std::pair<int, int>> hitTest(const QPointF& pos) const;
    // The outline of a bar: front, side and top face together.
    QPolygonF barOutline(int row, int point) const;
    // The bounding box of everything projected (floor, walls, bars at the axis maximum).
    QRectF boxBounds() const;
    int points() const { return points_; }
    int rows() const { return rows_; }
    // Every rowLabelStep-th row carries its legend in rowLabelFont; 1 means all of them.
    int rowLabelStep() const { return rowLabelStep_; }
    const QFont& rowLabelFont() const { return rowFont_; }
    // 0 when the point legends lie flat, -90 when they stand upright.
    int pointLabelAngle() const { return pointLabelAngle_; }
    double axisTop() const { return top_; }

private:
    void layout();
    void paintTitles(QPainter& painter) const;
    void paintWalls(QPainter& painter) const;
    void paintBars(QPainter& painter) const;
    void paintPointLabels(QPainter& painter) const;
    void paintRowLabels(QPainter& painter) const;
    double valueAt(int row, int point) const;

    ChartModel chart_;
    QSizeF size_;
    int points_ = 0;
    int rows_ = 0;
    double top_ = 1;  // value at the top of the axis
    double step_ = 1; // between value-axis labels
    double cosA_ = 0; // depth direction on the page
    double sinA_ = 0;
    QPointF origin_;    // front left corner of the floor
    double column_ = 0; // width of one point, pixels
    double row_ = 0;    // length of one row along the depth direction, pixels
    double height_ = 0; // pixels from the floor to the axis maximum
    int rowLabelStep_ = 1;
    QFont rowFont_;
    int pointLabelAngle_ = 0;
    QRectF heading_, valueTitle_, categoryTitle_;
};
