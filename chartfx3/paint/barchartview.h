// BarChartView: the 2-D bar chart of one or more series, laid out and drawn with QPainter.
#pragma once

#include "chartfx3/chartmodel.h"
#include "chartfx3/paint/chartstyle.h"

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <optional>
#include <utility>

class QPainter;

// Heading on top, the series legend below it, the value axis on the left with ticks, grid
// and its title, the category labels and their title below the plot. Laid out once in
// (0, 0, size) chart pixels; the layout keeps the same places whether or not there is data.
class BarChartView {
public:
    BarChartView(const ChartModel& chart, const QSizeF& size);

    void paint(QPainter& painter) const;

    // The bar under `pos` as (series, point).
    std::optional<std::pair<int, int>> hitTest(const QPointF& pos) const;

    // How category labels are shown when each has `slot` pixels: flat (angle 0) when the
    // widest fits, else upright (-90); when neither fits at the font's size, the font shrinks
    // to 6 points at most, and if even that is too big, only every step-th label is shown.
    // Labels are never shortened.
    struct LabelPlan {
        int angle;
        int step;
        int pixelSize;
    };
    static LabelPlan PlanLabels(const QStringList& labels, const chartstyle::CategoryFace& face,
                                double slot);

    QRectF plotArea() const { return plot_; }
    double valueAxisStep() const { return step_; }
    const LabelPlan& labelPlan() const { return plan_; }
    // Where category label i is drawn (its rotated box for upright labels); null when left out.
    QRectF categoryLabelRect(int i) const;
    QRectF bar(int series, int point) const;

private:
    void paintLegend(QPainter& painter) const;
    void paintAxes(QPainter& painter) const;
    void paintCategoryLabels(QPainter& painter) const;

    ChartModel chart_;
    QSizeF size_;
    int points_ = 0;
    double top_ = 1;
    double step_ = 1;
    QRectF plot_;
    QRectF heading_, legend_, categoryTitle_, valueTitle_;
    QStringList labels_;
    chartstyle::CategoryFace label_;
    LabelPlan plan_{0, 1, 0};
    double labelHeight_ = 0;
    int legendRows_ = 0;
};
