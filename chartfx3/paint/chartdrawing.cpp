#include "chartfx3/paint/chartdrawing.h"

#include "chartfx3/paint/barchartview.h"
#include "chartfx3/paint/chart3dview.h"
#include "chartfx3/paint/chartstyle.h"
#include "chartfx3/paint/piechartview.h"

#include <QPainter>

#include <algorithm>
#include <optional>

struct ChartDrawing::Views {
    QSizeF size;
    std::optional<BarChartView> bars;
    std::optional<PieChartView> pie;
    std::optional<Chart3DView> view3D;
};

ChartDrawing::ChartDrawing(const ChartModel& chart) : chart_(chart) {}

ChartDrawing::~ChartDrawing() = default;

bool ChartDrawing::is3D() const {
    return chart_.is3D();
}

const ChartDrawing::Views& ChartDrawing::layout(const QSizeF& size) const {
    if (views_ && views_->size == size)
        return *views_;
    auto views = std::make_unique<Views>();
    views->size = size;
    if (is3D())
        views->view3D.emplace(chart_, size);
    else if (chart_.kind == ChartKind::Pie)
        views->pie.emplace(chart_, size);
    else
        views->bars.emplace(chart_, size);
    views_ = std::move(views);
    return *views_;
}

void ChartDrawing::paint(QPainter& painter, const QRectF& target, double dpi) const {
    if (target.width() <= 0 || target.height() <= 0 || !(dpi > 0))
        return;
    const double scale = dpi / chartstyle::kChartDpi;
    const Views& views = layout(target.size() / scale);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), views.size), Qt::IntersectClip);
    if (views.view3D)
        views.view3D->paint(painter);
    else if (views.pie)
        views.pie->paint(painter);
    else
        views.bars->paint(painter);
    painter.restore();
}

QString ChartDrawing::toolTip(const QSizeF& size, const QPointF& pos) const {
    if (size.width() <= 0 || size.height() <= 0)
        return {};
    const Views& views = layout(size);
    if (views.pie) {
        const std::optional<int> slice = views.pie->hitTest(pos);
        return slice ? views.pie->sliceText(*slice) : QString();
    }
    const auto hit = views.view3D ? views.view3D->hitTest(pos) : views.bars->hitTest(pos);
    return hit ? chartstyle::PointText(chart_, hit->first, hit->second) : QString();
}

void PaintChart(const ChartModel& chart, QPainter& painter, const QRectF& target, double dpi) {
    ChartDrawing(chart).paint(painter, target, dpi);
}

QImage ChartImage(const ChartModel& chart, const QSize& size, double scale) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (scale != 1) {
        const int dotsPerMeter = qRound(chartstyle::kChartDpi * scale / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
    }
    QPainter painter(&image);
    PaintChart(chart, painter, QRectF(QPointF(0, 0), QSizeF(size)), chartstyle::kChartDpi * scale);
    return image;
}

QRectF PaperChartRect(const QRectF& paper, const QRectF& printable, double dpi) {
    const double margin = kPaperSideMarginMm / 25.4 * dpi;
    QRectF room = printable;
    room.setLeft(std::max(printable.left(), paper.left() + margin));
    room.setRight(std::min(printable.right(), paper.right() - margin));
    return room;
}
