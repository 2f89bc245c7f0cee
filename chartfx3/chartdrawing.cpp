#include "chartdrawing.h"

#include "chart3dview.h"
#include "chartstyle.h"
#include "qtchartscene.h"

#include <QPainter>

ChartDrawing::ChartDrawing(const ChartModel& chart) : chart_(chart) {
    if (!is3D())
        scene_ = std::make_unique<QtChartScene>(chart_);
}

ChartDrawing::~ChartDrawing() = default;

bool ChartDrawing::is3D() const {
    return chart_.chart3D && chart_.chartType != 5;
}

void ChartDrawing::paint(QPainter& painter, const QRectF& target, double dpi) const {
    if (target.width() <= 0 || target.height() <= 0 || !(dpi > 0))
        return;
    const double scale = dpi / chartstyle::kChartDpi;
    const QSizeF size = target.size() / scale;
    if (scene_) {
        painter.fillRect(target, Qt::white);
        scene_->paint(painter, target, size);
        return;
    }
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), size), Qt::IntersectClip);
    Chart3DView(chart_, size).paint(painter);
    painter.restore();
}

void PaintChart(const ChartModel& chart, QPainter& painter, const QRectF& target, double dpi) {
    ChartDrawing(chart).paint(painter, target, dpi);
}

QImage ChartImage(const ChartModel& chart, const QSize& size) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChart(chart, painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}
