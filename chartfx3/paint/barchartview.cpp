#include "chartfx3/paint/barchartview.h"

#include "chartfx3/paint/chartstyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace chartstyle;

namespace {

constexpr double kLabelSpace = 3;       // pixels at least between two flat category labels
constexpr int kSmallestLabelPixels = 8; // 6 points: category labels shrink no further
constexpr double kSwatch = 10;          // colour square of a legend entry
constexpr double kTick = 4;

double UprightBox(const QFontMetricsF& metrics) {
    return std::ceil(metrics.height()) + 2;
}

double LegendItemWidth(const QFontMetricsF& metrics, const QString& text) {
    return kSwatch + 4 + metrics.horizontalAdvance(text) + 16;
}

} // namespace

BarChartView::LabelPlan BarChartView::PlanLabels(const QStringList& labels,
                                                 const CategoryFace& face, double slot) {
    const int asked = std::max(1, face.font.pixelSize());
    const int smallest = std::min(asked, kSmallestLabelPixels);
    CategoryFace f = face;
    for (int px = asked; px >= smallest; --px) {
        f.font.setPixelSize(px);
        double widest = 0;
        for (const QString& label : labels)
            widest = std::max(widest, f.width(label));
        if (widest + kLabelSpace <= slot)
            return {0, 1, px};
        if (UprightBox(QFontMetricsF(f.font)) <= slot)
            return {-90, 1, px};
    }
    f.font.setPixelSize(smallest);
    const double box = UprightBox(QFontMetricsF(f.font));
    const int step = slot > 0 ? static_cast<int>(std::ceil(box / slot)) : 1;
    return {-90, std::max(1, step), smallest};
}

BarChartView::BarChartView(const ChartModel& chart, const QSizeF& size)
    : chart_(chart), size_(size) {
    points_ = PointCount(chart_);
    top_ = AxisTop(chart_);
    for (int i = 0; i < points_; ++i)
        labels_ << (i < static_cast<int>(chart_.categories.size())
                        ? QText(chart_.categories[static_cast<std::size_t>(i)])
                        : QString());

    const double w = size_.width();
    const Gaps gaps = GapsInPixels(chart_, size_.height());
    double top = gaps.top;
    double bottom = size_.height() - gaps.bottom;

    const QFontMetricsF headingMetrics(HeadingFont());
    if (!chart_.heading().empty()) {
        heading_ = QRectF(0, top, w, headingMetrics.height());
        top += headingMetrics.height() + 6;
    }
    if (!chart_.series.empty()) {
        const QFontMetricsF metrics(LegendFont());
        double x = 0;
        legendRows_ = 1;
        for (const ChartSeries& s : chart_.series) {
            const double item = LegendItemWidth(metrics, QText(s.legend));
            if (x > 0 && x + item > w - 16) {
                ++legendRows_;
                x = 0;
            }
            x += item;
        }
        legend_ = QRectF(8, top, w - 16, legendRows_ * metrics.height());
        top += legend_.height() + 8;
    }
    // Both axis titles keep their places with or without a title or data on the other axis.
    const AxisTitles titles = PlaceAxisTitles(chart_, w, top, bottom, 4);
    categoryTitle_ = titles.category;
    valueTitle_ = titles.value;
    bottom = titles.bottom;
    double left = titles.labelsLeft;
    left += ValueLabelWidth(chart_, top_) + kTick + 3;
    const QFontMetricsF valueMetrics(AxisLabelFont());
    const double right = w - 12;
    const double slot = points_ > 0 ? std::max(0.0, right - left) / points_ : 0;

    label_ = CategoryFont(chart_);
    // Without points the labels' row keeps the height of flat labels, so that the category
    // title stays where a chart with data has it.
    plan_ =
        points_ > 0 ? PlanLabels(labels_, label_, slot) : LabelPlan{0, 1, label_.font.pixelSize()};
    label_.font.setPixelSize(plan_.pixelSize);
    const QFontMetricsF labelMetrics(label_.font);
    if (plan_.angle == 0) {
        labelHeight_ = labelMetrics.height() + kTick + 2;
    } else {
        double widest = 0;
        for (int i = 0; i < points_; i += plan_.step)
            widest = std::max(widest, label_.width(labels_[i]));
        labelHeight_ = widest + kTick + 4;
    }
    // Half a value label above the top grid line, so that its number is not cut.
    top += valueMetrics.height() / 2;
    plot_ = QRectF(QPointF(left, top),
                   QPointF(std::max(left + 1, right), std::max(top + 1, bottom - labelHeight_)));
    step_ = AxisStep(top_, std::max(2, static_cast<int>(plot_.height() / 28)));
}

QRectF BarChartView::bar(int series, int point) const {
    const int count = std::max(1, static_cast<int>(chart_.series.size()));
    const double slot = plot_.width() / std::max(1, points_);
    const double group = slot * (count > 1 ? 0.85 : 0.7);
    const double width = group / count;
    const double v = std::clamp(ValueAt(chart_, series, point), 0.0, top_);
    const double h = v / top_ * plot_.height();
    const double x = plot_.left() + point * slot + (slot - group) / 2 + series * width;
    return QRectF(x, plot_.bottom() - h, width, h);
}

QRectF BarChartView::categoryLabelRect(int i) const {
    if (i < 0 || i >= points_ || i % plan_.step != 0)
        return {};
    const QFontMetricsF metrics(label_.font);
    const double slot = plot_.width() / points_;
    const double centre = plot_.left() + (i + 0.5) * slot;
    const double y = plot_.bottom() + kTick + 2;
    const double width = label_.width(labels_[i]);
    if (plan_.angle == 0)
        return QRectF(centre - width / 2, y, width, metrics.height());
    return QRectF(centre - metrics.height() / 2, y, metrics.height(), width);
}

void BarChartView::paint(QPainter& painter) const {
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), size_), Qt::white);
    painter.setPen(Qt::black);
    if (!heading_.isNull()) {
        painter.setFont(HeadingFont());
        painter.drawText(heading_, Qt::AlignHCenter | Qt::AlignTop, QText(chart_.heading()));
    }
    painter.setFont(AxisTitleFont());
    if (!categoryTitle_.isNull())
        painter.drawText(
            QRectF(plot_.left(), categoryTitle_.top(), plot_.width(), categoryTitle_.height()),
            Qt::AlignHCenter | Qt::AlignTop, QText(chart_.categoryAxisTitle()));
    if (!valueTitle_.isNull()) {
        painter.save();
        painter.translate(valueTitle_.left(), plot_.bottom());
        painter.rotate(-90);
        painter.drawText(QRectF(0, 0, plot_.height(), valueTitle_.width()),
                         Qt::AlignHCenter | Qt::AlignTop, QText(chart_.valueAxisTitle()));
        painter.restore();
    }
    paintLegend(painter);
    paintAxes(painter);

    // Each series' bars in one call and in device units: a PDF then gets plain rectangles, not
    // the paths that a scaled painter would write, at a third of the bytes.
    const QTransform toDevice = painter.worldTransform();
    painter.save();
    painter.resetTransform();
    const int count = static_cast<int>(chart_.series.size());
    std::vector<QRectF> bars;
    for (int s = 0; s < count; ++s) {
        bars.clear();
        for (int p = 0; p < points_; ++p) {
            const QRectF r = bar(s, p);
            if (r.height() > 0)
                bars.push_back(toDevice.mapRect(r));
        }
        const QColor colour = SeriesColor(s, count, chart_.pairedSeries);
        painter.setPen(QPen(colour.darker(140), 0));
        painter.setBrush(colour);
        painter.drawRects(bars.data(), static_cast<int>(bars.size()));
    }
    painter.restore();
    if (!HasValues(chart_))
        PaintNoCalls(painter, plot_);
    paintCategoryLabels(painter);
    painter.restore();
}

void BarChartView::paintLegend(QPainter& painter) const {
    if (legend_.isNull())
        return;
    const QFontMetricsF metrics(LegendFont());
    painter.setFont(LegendFont());
    // Rows centred; entries in series order.
    const int count = static_cast<int>(chart_.series.size());
    int first = 0;
    for (int row = 0; row < legendRows_ && first < count; ++row) {
        double width = 0;
        int end = first;
        while (end < count) {
            const double item = LegendItemWidth(
                metrics, QText(chart_.series[static_cast<std::size_t>(end)].legend));
            if (end > first && width + item > legend_.width())
                break;
            width += item;
            ++end;
        }
        double x = legend_.center().x() - (width - 16) / 2;
        const double y = legend_.top() + row * metrics.height();
        for (int s = first; s < end; ++s) {
            const QString text = QText(chart_.series[static_cast<std::size_t>(s)].legend);
            const QColor colour = SeriesColor(s, count, chart_.pairedSeries);
            painter.setPen(QPen(colour.darker(140), 0));
            painter.setBrush(colour);
            painter.drawRect(QRectF(x, y + (metrics.height() - kSwatch) / 2, kSwatch, kSwatch));
            painter.setPen(Qt::black);
            painter.drawText(QRectF(x + kSwatch + 4, y, 1000, metrics.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, text);
            x += LegendItemWidth(metrics, text);
        }
        first = end;
    }
}

void BarChartView::paintAxes(QPainter& painter) const {
    // The grid in one stroke and the axes with their ticks in another: one pen change instead
    // of two per step.
    QPainterPath grid, axes;
    const auto line = [](QPainterPath& path, QPointF from, QPointF to) {
        path.moveTo(from);
        path.lineTo(to);
    };
    const int steps = static_cast<int>(std::floor(top_ / step_ + 1e-9));
    for (int i = 0; i <= steps; ++i) {
        const double y = plot_.bottom() - i * step_ / top_ * plot_.height();
        if (i > 0)
            line(grid, QPointF(plot_.left(), y), QPointF(plot_.right(), y));
        line(axes, QPointF(plot_.left() - kTick, y), QPointF(plot_.left(), y));
    }
    line(axes, plot_.topLeft(), plot_.bottomLeft());
    line(axes, plot_.bottomLeft(), plot_.bottomRight());
    const double slot = plot_.width() / std::max(1, points_);
    for (int i = 0; i <= points_ && points_ > 0; ++i) {
        const double x = plot_.left() + i * slot;
        line(axes, QPointF(x, plot_.bottom()), QPointF(x, plot_.bottom() + kTick));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xd0, 0xd0, 0xd0), 0));
    painter.drawPath(grid);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawPath(axes);

    const QFontMetricsF metrics(AxisLabelFont());
    painter.setFont(AxisLabelFont());
    for (int i = 0; i <= steps; ++i) {
        const double v = i * step_;
        const double y = plot_.bottom() - v / top_ * plot_.height();
        painter.drawText(
            QRectF(plot_.left() - kTick - 2 - 200, y - metrics.height() / 2, 200, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, Number(v, chart_.decimals));
    }
}

void BarChartView::paintCategoryLabels(QPainter& painter) const {
    painter.setPen(Qt::black);
    if (plan_.angle == 0) {
        painter.save();
        label_.apply(painter);
        for (int i = 0; i < points_; i += plan_.step)
            painter.drawText(label_.map(categoryLabelRect(i).adjusted(-2, 0, 2, 0)),
                             Qt::AlignHCenter | Qt::AlignTop, labels_[i]);
        painter.restore();
        return;
    }
    for (int i = 0; i < points_; i += plan_.step) {
        // Upright, read from bottom to top, ending at the axis.
        const QRectF r = categoryLabelRect(i);
        painter.save();
        painter.translate(r.left(), r.top());
        painter.rotate(-90);
        label_.apply(painter);
        painter.drawText(label_.map(QRectF(-r.height() - 2, 0, r.height() + 2, r.width())),
                         Qt::AlignRight | Qt::AlignVCenter, labels_[i]);
        painter.restore();
    }
}

std::optional<std::pair<int, int>> BarChartView::hitTest(const QPointF& pos) const {
    if (points_ == 0 || !plot_.adjusted(0, 0, 0, 1).contains(pos))
        return std::nullopt;
    const int point = std::clamp(
        static_cast<int>((pos.x() - plot_.left()) / plot_.width() * points_), 0, points_ - 1);
    for (int s = 0; s < static_cast<int>(chart_.series.size()); ++s) {
        QRectF r = bar(s, point);
        // A low bar is hard to point at: it answers over at least 4 pixels of height.
        if (r.height() < 4)
            r.setTop(r.bottom() - 4);
        if (r.contains(pos))
            return std::pair{s, point};
    }
    return std::nullopt;
}
