#include "chartfx3/paint/piechartview.h"

#include "chartfx3/paint/chartstyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

using namespace chartstyle;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSwatch = 10;
const QColor kPlaceholder(0xe4, 0xe4, 0xe4);

} // namespace

PieChartView::PieChartView(const ChartModel& chart, const QSizeF& size)
    : chart_(chart), size_(size) {
    points_ = PointCount(chart_);
    for (int i = 0; i < points_; ++i)
        total_ += part(i);
    for (int i = 0; i < points_; ++i) {
        const QString name = i < static_cast<int>(chart_.categories.size())
                                 ? QText(chart_.categories[static_cast<std::size_t>(i)])
                                 : QString();
        legends_ << name + QStringLiteral(": ") + Number(ValueAt(chart_, 0, i), chart_.decimals) +
                        QStringLiteral(" (") + Share(part(i), total_) + QStringLiteral(")");
    }

    const Gaps gaps = GapsInPixels(chart_, size_.height());
    double top = gaps.top;
    const double bottom = size_.height() - gaps.bottom;
    const QFontMetricsF headingMetrics(HeadingFont());
    if (!chart_.heading().empty()) {
        heading_ = QRectF(0, top, size_.width(), headingMetrics.height());
        top += headingMetrics.height() + 6;
    }
    double right = size_.width() - 20;
    if (points_ > 0) {
        const QFontMetricsF metrics(LegendFont());
        double widest = 0;
        for (const QString& text : legends_)
            widest = std::max(widest, metrics.horizontalAdvance(text));
        const double width = kSwatch + 4 + widest;
        const double height = points_ * (metrics.height() + 2);
        legend_ =
            QRectF(right - width, top + std::max(0.0, (bottom - top - height) / 2), width, height);
        right = legend_.left() - 16;
    }
    // Room around the pie for the share labels.
    const QFontMetricsF labelMetrics(LegendFont());
    const double labelW = labelMetrics.horizontalAdvance(QStringLiteral("100,0 %")) + 8;
    const double labelH = labelMetrics.height() + 6;
    const QRectF area(QPointF(8, top), QPointF(std::max(9.0, right), std::max(top + 1, bottom)));
    const double d = std::max(1.0, std::min(area.width() - 2 * labelW, area.height() - 2 * labelH));
    pie_ = QRectF(area.center().x() - d / 2, area.center().y() - d / 2, d, d);
}

double PieChartView::part(int point) const {
    return std::max(0.0, ValueAt(chart_, 0, point));
}

std::pair<double, double> PieChartView::sliceAngles(int point) const {
    double start = 0;
    for (int i = 0; i < point; ++i)
        start += part(i);
    return {total_ > 0 ? start / total_ * 360 : 0, total_ > 0 ? part(point) / total_ * 360 : 0};
}

QString PieChartView::sliceText(int point) const {
    return PointText(chart_, 0, point) + QStringLiteral(" (") + Share(part(point), total_) +
           QStringLiteral(")");
}

void PieChartView::paint(QPainter& painter) const {
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), size_), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    if (!heading_.isNull()) {
        painter.setFont(HeadingFont());
        painter.drawText(heading_, Qt::AlignHCenter | Qt::AlignTop, QText(chart_.heading()));
    }
    painter.setFont(LegendFont());
    const QFontMetricsF metrics(LegendFont());
    if (!(total_ > 0)) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kPlaceholder);
        painter.drawEllipse(pie_);
        PaintNoCalls(painter, pie_);
    }
    const double r = pie_.width() / 2;
    for (int i = 0; i < points_ && total_ > 0; ++i) {
        const auto [start, span] = sliceAngles(i);
        if (!(span > 0))
            continue;
        painter.setPen(QPen(Qt::white, 0.5));
        painter.setBrush(SeriesColor(i, points_));
        // Qt counts from three o'clock, anticlockwise, in sixteenths of a degree.
        if (span >= 360)
            painter.drawEllipse(pie_);
        else
            painter.drawPie(pie_, static_cast<int>(std::lround((90 - start) * 16)),
                            -static_cast<int>(std::lround(span * 16)));
        // The share outside the middle of the slice, on a short leader line.
        const double mid = (start + span / 2) * kPi / 180;
        const QPointF dir(std::sin(mid), -std::cos(mid));
        const QPointF c = pie_.center();
        painter.setPen(QPen(Qt::black, 0));
        painter.drawLine(c + dir * r, c + dir * (r + 8));
        const QString text = Share(part(i), total_);
        const double tw = metrics.horizontalAdvance(text);
        const QPointF at = c + dir * (r + 10);
        QRectF box(at.x() - tw / 2, at.y() - metrics.height() / 2, tw, metrics.height());
        box.translate(dir.x() * (tw / 2 + 1), dir.y() * (metrics.height() / 2));
        painter.drawText(box, Qt::AlignCenter, text);
    }
    for (int i = 0; i < points_; ++i) {
        const double y = legend_.top() + i * (metrics.height() + 2);
        painter.setPen(QPen(SeriesColor(i, points_).darker(140), 0));
        painter.setBrush(SeriesColor(i, points_));
        painter.drawRect(
            QRectF(legend_.left(), y + (metrics.height() - kSwatch) / 2, kSwatch, kSwatch));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(legend_.left() + kSwatch + 4, y, 1000, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, legends_[i]);
    }
    painter.restore();
}

std::optional<int> PieChartView::hitTest(const QPointF& pos) const {
    const QPointF d = pos - pie_.center();
    if (!(total_ > 0) || std::hypot(d.x(), d.y()) > pie_.width() / 2)
        return std::nullopt;
    double angle = std::atan2(d.x(), -d.y()) * 180 / kPi;
    if (angle < 0)
        angle += 360;
    for (int i = 0; i < points_; ++i) {
        const auto [start, span] = sliceAngles(i);
        if (span > 0 && angle >= start && angle < start + span)
            return i;
    }
    return std::nullopt;
}
