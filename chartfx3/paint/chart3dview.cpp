#include "chartfx3/paint/chart3dview.h"

#include "chartfx3/paint/chartstyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

using namespace chartstyle;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kDefaultDepthAngle = 50; // what Angles3D 00190032 gives
constexpr int kDefaultEyeAngle = 25;
constexpr double kBarWidth = 0.7;          // of a point's width
constexpr double kBarDepth = 0.7;          // of a row's depth
constexpr double kSwatch = 8;              // colour square before a row legend
constexpr int kSmallestRowLabelPixels = 8; // 6 points: row legends shrink no further

QColor Shade(const QColor& c, double factor) {
    return QColor::fromRgbF(static_cast<float>(std::min(1.0, c.redF() * factor)),
                            static_cast<float>(std::min(1.0, c.greenF() * factor)),
                            static_cast<float>(std::min(1.0, c.blueF() * factor)));
}

// From the highest to the lowest ink of the texts on one baseline: legends stacked closer
// than this touch.
double InkHeight(const QFontMetricsF& metrics, const QStringList& texts) {
    double top = 0, bottom = 0;
    for (const QString& t : texts) {
        const QRectF ink = metrics.tightBoundingRect(t);
        top = std::min(top, ink.top());
        bottom = std::max(bottom, ink.bottom());
    }
    return bottom - top;
}

double Widest(const QFontMetricsF& metrics, const QStringList& texts) {
    double w = 0;
    for (const QString& t : texts)
        w = std::max(w, metrics.horizontalAdvance(t));
    return w;
}

} // namespace

Chart3DView::Chart3DView(const ChartModel& chart, const QSizeF& size) : chart_(chart), size_(size) {
    points_ = PointCount(chart_);
    rows_ = static_cast<int>(chart_.series.size());
    layout();
}

double Chart3DView::valueAt(int row, int point) const {
    return std::clamp(ValueAt(chart_, row, point), 0.0, top_);
}

void Chart3DView::layout() {
    const bool unset = chart_.angles3D == 0;
    const double depthAngle = std::clamp(unset ? kDefaultDepthAngle : chart_.angleLow(), 10, 80);
    const double eyeAngle = std::clamp(unset ? kDefaultEyeAngle : chart_.angleHigh(), 5, 90);
    cosA_ = std::cos(depthAngle * kPi / 180);
    sinA_ = std::sin(depthAngle * kPi / 180);
    const double shorten = std::sin(eyeAngle * kPi / 180);

    top_ = AxisTop(chart_);
    const double w = size_.width();
    const double h = size_.height();
    const Gaps gaps = GapsInPixels(chart_, h);
    double top = gaps.top;
    double bottom = h - gaps.bottom;

    const QFontMetricsF headingMetrics(HeadingFont());
    if (!chart_.heading().empty()) {
        heading_ = QRectF(0, top, w, headingMetrics.height());
        top += headingMetrics.height() + 8;
    }
    const AxisTitles titles = PlaceAxisTitles(chart_, w, top, bottom, 8);
    categoryTitle_ = titles.category;
    valueTitle_ = titles.value;
    bottom = titles.bottom;
    double left = titles.labelsLeft;
    left += ValueLabelWidth(chart_, top_) + 6;

    QStringList rowLegends;
    for (const ChartSeries& s : chart_.series)
        rowLegends << QText(s.legend);
    const double right = w - 12 - kSwatch - 4 - Widest(QFontMetricsF(LegendFont()), rowLegends);

    QStringList pointLegends;
    for (const std::string& c : chart_.categories)
        pointLegends << QText(c);
    const CategoryFace pointFace = CategoryFont(chart_);
    const QFontMetricsF pointMetrics(pointFace.font);
    double widestPoint = 0;
    for (const QString& legend : pointLegends)
        widestPoint = std::max(widestPoint, pointFace.width(legend));

    const double legendHeight = QFontMetricsF(LegendFont()).height();
    const int p = std::max(1, points_);
    const int s = std::max(1, rows_);
    auto fit = [&](double labelHeight) {
        const double boxW = std::max(1.0, right - left);
        const double boxH = std::max(1.0, bottom - labelHeight - top);
        // Rows as deep as the points are wide (shortened by the eye's height) while they fit;
        // more rows make them shallower, so that the bars keep 46 % of the height: enough
        // depth for the 14 floors of a usual building to keep every name in the window.
        const double limit = std::min(0.54 * boxH / (s * sinA_), 0.4 * boxW / (s * cosA_));
        column_ = boxW / (p + s * shorten * cosA_);
        row_ = std::min(std::max(column_ * shorten, legendHeight / sinA_), limit);
        column_ = (boxW - s * row_ * cosA_) / p;
        height_ = boxH - s * row_ * sinA_;
        origin_ = QPointF(left, bottom - labelHeight);
    };
    pointLabelAngle_ = 0;
    fit(pointMetrics.height() + 4);
    if (widestPoint + 2 > column_) {
        pointLabelAngle_ = -90;
        fit(widestPoint + 6);
    }
    // The legends' letters may come as near as a pixel: a little smaller, often every row
    // keeps its name.
    const double rowRise = std::max(row_ * sinA_, 1e-6);
    rowFont_ = LegendFont();
    for (int px = rowFont_.pixelSize();; --px) {
        rowFont_.setPixelSize(px);
        const double ink = InkHeight(QFontMetricsF(rowFont_), rowLegends) + 1;
        rowLabelStep_ = std::max(1, static_cast<int>(std::ceil(ink / rowRise - 1e-9)));
        if (rowLabelStep_ == 1 || px <= kSmallestRowLabelPixels)
            break;
    }
    step_ = AxisStep(top_, std::max(2, static_cast<int>(height_ / 28)));
}

QPointF Chart3DView::project(double x, double z, double value) const {
    return origin_ +
           QPointF(x * column_ + z * row_ * cosA_, -z * row_ * sinA_ - value / top_ * height_);
}

QRectF Chart3DView::boxBounds() const {
    const double p = std::max(1, points_);
    const double s = std::max(1, rows_);
    QPolygonF corners;
    for (double x : {0.0, p})
        for (double z : {0.0, s})
            for (double v : {0.0, top_})
                corners << project(x, z, v);
    return corners.boundingRect();
}

void Chart3DView::paint(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), size_), Qt::white);
    paintTitles(painter);
    paintWalls(painter);
    paintBars(painter);
    if (!HasValues(chart_))
        PaintNoCalls(painter, boxBounds());
    paintPointLabels(painter);
    paintRowLabels(painter);
    painter.restore();
}

void Chart3DView::paintTitles(QPainter& painter) const {
    painter.setPen(Qt::black);
    if (!heading_.isNull()) {
        painter.setFont(HeadingFont());
        painter.drawText(heading_, Qt::AlignHCenter | Qt::AlignTop, QText(chart_.heading()));
    }
    painter.setFont(AxisTitleFont());
    if (!categoryTitle_.isNull()) {
        const QRectF box = boxBounds();
        painter.drawText(
            QRectF(box.left(), categoryTitle_.top(), box.width(), categoryTitle_.height()),
            Qt::AlignHCenter | Qt::AlignTop, QText(chart_.categoryAxisTitle()));
    }
    if (!valueTitle_.isNull()) {
        painter.save();
        painter.translate(valueTitle_.left(), valueTitle_.bottom());
        painter.rotate(-90);
        painter.drawText(QRectF(0, 0, valueTitle_.height(), valueTitle_.width()),
                         Qt::AlignHCenter | Qt::AlignTop, QText(chart_.valueAxisTitle()));
        painter.restore();
    }
}

void Chart3DView::paintWalls(QPainter& painter) const {
    const double p = std::max(1, points_);
    const double s = std::max(1, rows_);
    const QPen edge(QColor(0x80, 0x80, 0x80), 0.8);
    painter.setPen(edge);
    painter.setBrush(QColor(0xee, 0xee, 0xee));
    painter.drawPolygon(
        QPolygonF{project(0, 0, 0), project(p, 0, 0), project(p, s, 0), project(0, s, 0)});
    painter.setBrush(QColor(0xf6, 0xf6, 0xf6));
    painter.drawPolygon(
        QPolygonF{project(0, 0, 0), project(0, s, 0), project(0, s, top_), project(0, 0, top_)});
    painter.drawPolygon(
        QPolygonF{project(0, s, 0), project(p, s, 0), project(p, s, top_), project(0, s, top_)});

    const QPen grid(QColor(0xc8, 0xc8, 0xc8), 0.6);
    painter.setFont(AxisLabelFont());
    const double labelHeight = QFontMetricsF(AxisLabelFont()).height();
    for (double v = 0; v <= top_ + 1e-9; v += step_) {
        if (v > 0) {
            painter.setPen(grid);
            painter.drawPolyline(QPolygonF{project(0, 0, v), project(0, s, v), project(p, s, v)});
        }
        const QPointF at = project(0, 0, v);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(at.x() - 200 - 5, at.y() - labelHeight / 2, 200, labelHeight),
                         Qt::AlignRight | Qt::AlignVCenter, Number(v, chart_.decimals));
    }
    painter.setPen(QPen(Qt::black, 0.8));
    painter.drawLine(project(0, 0, 0), project(0, 0, top_));
    painter.drawLine(project(0, 0, 0), project(p, 0, 0));
}

QPolygonF Chart3DView::barOutline(int row, int point) const {
    const double v = valueAt(row, point);
    const double z0 = row + (1 - kBarDepth) / 2;
    const double z1 = z0 + kBarDepth;
    const double x0 = point + (1 - kBarWidth) / 2;
    const double x1 = x0 + kBarWidth;
    return QPolygonF{project(x0, z0, 0), project(x1, z0, 0), project(x1, z1, 0),
                     project(x1, z1, v), project(x0, z1, v), project(x0, z0, v)};
}

std::optional<std::pair<int, int>> Chart3DView::hitTest(const QPointF& pos) const {
    for (int row = 0; row < rows_; ++row)
        for (int point = points_ - 1; point >= 0; --point)
            if (valueAt(row, point) > 0 &&
                barOutline(row, point).containsPoint(pos, Qt::OddEvenFill))
                return std::pair{row, point};
    return std::nullopt;
}

void Chart3DView::paintBars(QPainter& painter) const {
    // Back rows first. Within a row all side faces, then all tops, then all fronts: a bar's
    // front hides its left neighbour's side and top. Each kind of face is one fill of one
    // colour, its corners rounded to device units and its fronts plain rectangles, which
    // keeps a PDF's page stream short (107 KB instead of 153 KB for 40 rows).
    painter.save();
    const QTransform toDevice = painter.worldTransform();
    painter.resetTransform();
    painter.setPen(Qt::NoPen); // the shades of the faces mark the edges
    // With the corners on device pixels the faces meet without seams, and unsmoothed they fill
    // in a third of the time (the window's repaint of 40 rows stays under 5 ms).
    painter.setRenderHint(QPainter::Antialiasing, false);
    const auto at = [&](double x, double z, double v) {
        const QPointF p = toDevice.map(project(x, z, v));
        return QPointF(std::round(p.x()), std::round(p.y()));
    };
    // An open quadrilateral: the fill closes it.
    const auto add = [](QPainterPath& path, QPointF a, QPointF b, QPointF c, QPointF d) {
        path.moveTo(a);
        path.lineTo(b);
        path.lineTo(c);
        path.lineTo(d);
    };
    std::vector<QRectF> fronts;
    for (int row = rows_ - 1; row >= 0; --row) {
        const QColor colour = SeriesColor(row, rows_);
        QPainterPath sides, tops;
        fronts.clear();
        const double z0 = row + (1 - kBarDepth) / 2;
        const double z1 = z0 + kBarDepth;
        for (int point = 0; point < points_; ++point) {
            const double v = valueAt(row, point);
            const double x0 = point + (1 - kBarWidth) / 2;
            const double x1 = x0 + kBarWidth;
            if (v > 0) {
                fronts.push_back(QRectF(at(x0, z0, v), at(x1, z0, 0)));
                add(sides, at(x1, z0, 0), at(x1, z1, 0), at(x1, z1, v), at(x1, z0, v));
            }
            add(tops, at(x0, z0, v), at(x1, z0, v), at(x1, z1, v), at(x0, z1, v));
        }
        painter.fillPath(sides, Shade(colour, 0.72));
        painter.fillPath(tops, Shade(colour, 1.25));
        painter.setBrush(colour);
        painter.drawRects(fronts.data(), static_cast<int>(fronts.size()));
    }
    painter.restore();
}

void Chart3DView::paintPointLabels(QPainter& painter) const {
    const CategoryFace face = CategoryFont(chart_);
    const double h = QFontMetricsF(face.font).height();
    // Upright labels are a line high; in a very narrow chart only every n-th one fits.
    const int step = pointLabelAngle_ == 0
                         ? 1
                         : std::max(1, static_cast<int>(std::ceil(h / std::max(column_, 1e-6))));
    painter.save();
    painter.setPen(Qt::black);
    if (pointLabelAngle_ == 0)
        face.apply(painter);
    for (int point = 0; point < points_; point += step) {
        const QString label = point < static_cast<int>(chart_.categories.size())
                                  ? QText(chart_.categories[static_cast<std::size_t>(point)])
                                  : QString();
        const QPointF at = project(point + 0.5, 0, 0) + QPointF(0, 3);
        if (pointLabelAngle_ == 0) {
            painter.drawText(face.map(QRectF(at.x() - column_ / 2 - 50, at.y(), column_ + 100, h)),
                             Qt::AlignHCenter | Qt::AlignTop, label);
            continue;
        }
        painter.save();
        painter.translate(at);
        painter.rotate(-90);
        face.apply(painter);
        painter.drawText(face.map(QRectF(-1000, -h / 2, 1000, h)),
                         Qt::AlignRight | Qt::AlignVCenter, label);
        painter.restore();
    }
    painter.restore();
}

void Chart3DView::paintRowLabels(QPainter& painter) const {
    const double p = std::max(1, points_);
    const QFontMetricsF metrics(rowFont_);
    painter.setFont(rowFont_);
    const double swatch = std::min(kSwatch, 0.75 * rowFont_.pixelSize());
    for (int row = 0; row < rows_; row += rowLabelStep_) {
        const QPointF at = project(p, row + 0.5, 0) + QPointF(6, 0);
        painter.setPen(QPen(Shade(SeriesColor(row, rows_), 0.5), 0.4));
        painter.setBrush(SeriesColor(row, rows_));
        painter.drawRect(QRectF(at.x(), at.y() - swatch / 2, swatch, swatch));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(at.x() + kSwatch + 4, at.y() - metrics.height() / 2, 1000, metrics.height()),
            Qt::AlignLeft | Qt::AlignVCenter,
            QText(chart_.series[static_cast<std::size_t>(row)].legend));
    }
}
