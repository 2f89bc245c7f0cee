// QtChartScene: the bar or pie chart of a ChartModel built with Qt Charts, ready to paint.
#pragma once

#include "chartmodel.h"

#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <memory>

class QBarCategoryAxis;
class QChart;
class QFont;
class QGraphicsScene;
class QPainter;
class QValueAxis;

class QtChartScene {
public:
    explicit QtChartScene(const ChartModel& chart);
    ~QtChartScene();
    QtChartScene(const QtChartScene&) = delete;
    QtChartScene& operator=(const QtChartScene&) = delete;

    // Lays the chart out at `size` chart pixels and paints it into `target` of the painter.
    void paint(QPainter& painter, const QRectF& target, const QSizeF& size);
    // Lays the chart out at `size` chart pixels without painting.
    void layout(const QSizeF& size);

    // How category labels are shown when each has `slot` pixels: flat (angle 0) when the
    // widest fits, else upright (-90); when neither fits at the font's size, the font shrinks
    // to 6 points at most, and if even that is too big, only every step-th label is shown.
    // Labels are never shortened.
    struct LabelPlan {
        int angle;
        int step;
        int pixelSize;
    };
    static LabelPlan PlanLabels(const QStringList& labels, const QFont& font, double slot);

    // What the last layout made of the category axis and the plot area, in chart pixels.
    int categoryLabelAngle() const { return labelAngle_; }
    int categoryLabelStep() const { return labelStep_; }
    QStringList categoryLabels() const { return shownLegends_; } // left-out ones are blank
    QRectF plotArea() const;
    double valueAxisStep() const;
    // The scene with the chart's items, for tests that look at what Qt placed.
    QGraphicsScene* graphicsScene() const { return scene_.get(); }

private:
    void buildBars();
    void buildPie();
    void fitAxes(const QSizeF& size);
    // Sets the category labels and the value steps for a plot area of that size; whether
    // anything changed.
    bool fitAxesTo(const QSizeF& plot);

    ChartModel model_;
    std::unique_ptr<QGraphicsScene> scene_;
    QChart* chart_ = nullptr; // owned by the scene
    QBarCategoryAxis* categoryAxis_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;
    QStringList pointLegends_; // as the chart has them
    QStringList shownLegends_; // as the axis shows them
    QSizeF laidOut_;
    int labelAngle_ = 0;
    int labelStep_ = 1;
};
