#include "chartfx3/paint/chartstyle.h"

#include "charts/format.h"
#include "charts/keyfigurerow.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <array>
#include <cmath>

namespace chartstyle {

QFont Font(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * kChartDpi / 72.0))));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

QFont HeadingFont() {
    return Font(QStringLiteral("Arial"), 12, true);
}

QFont AxisTitleFont() {
    return Font(QStringLiteral("Arial"), 9, true);
}

QFont AxisLabelFont() {
    return Font(QStringLiteral("Arial"), 8);
}

QFont LegendFont() {
    return Font(QStringLiteral("Arial"), 8);
}

CategoryFace CategoryFont(const ChartModel& chart) {
    const QString face =
        chart.categoryFont.empty() ? QStringLiteral("Arial Narrow") : QText(chart.categoryFont);
    // A size of 0 or less, or an absurd one, would leave the axis unreadable.
    const int points = std::clamp(chart.categoryFontSize, 4, 36);
    if (face.compare(QLatin1String("Arial Narrow"), Qt::CaseInsensitive) == 0)
        return {Font(QStringLiteral("Arial"), points), 0.82};
    return {Font(face, points), 1};
}

double CategoryFace::width(const QString& text) const {
    return QFontMetricsF(font).horizontalAdvance(text) * condense;
}

void CategoryFace::apply(QPainter& painter) const {
    painter.setFont(font);
    painter.scale(condense, 1);
}

QRectF CategoryFace::map(const QRectF& box) const {
    return QRectF(box.x() / condense, box.y(), box.width() / condense, box.height());
}

QColor SeriesColor(int index, int count, bool paired) {
    if (paired) {
        const QColor base = SeriesColor(std::max(0, index) / 2, (std::max(1, count) + 1) / 2);
        if (index % 2 == 0)
            return base;
        // Halfway to white: the same hue, clearly lighter, still a colour on paper.
        const auto light = [](int c) { return c + (255 - c) * 11 / 20; };
        return QColor(light(base.red()), light(base.green()), light(base.blue()));
    }
    // Few series get clearly distinct colours; the per-floor rows of the 3-D view a ramp from
    // blue over green to red, so that neighbouring floors look alike and far ones differ.
    static const std::array<QColor, 6> palette = {
        QColor(0x2f, 0x6e, 0xb5), QColor(0xe3, 0x7b, 0x22), QColor(0x3c, 0x9d, 0x4e),
        QColor(0xc8, 0x3e, 0x3a), QColor(0x7d, 0x5b, 0xa6), QColor(0x8c, 0x6d, 0x3f)};
    if (count <= static_cast<int>(palette.size()))
        return palette[static_cast<std::size_t>(std::clamp(index, 0, count - 1))];
    const double t = static_cast<double>(std::clamp(index, 0, count - 1)) / (count - 1);
    return QColor::fromHsvF(static_cast<float>((215.0 - 215.0 * t) / 360.0), 0.75f, 0.85f);
}

QColor AssessmentColor(const std::string& assessment) {
    if (assessment == kBetter)
        return QColor(0x00, 0x80, 0x00);
    if (assessment == kWorse)
        return QColor(0xc0, 0x00, 0x00);
    return Qt::black;
}

QString Number(double value, int decimals) {
    return QText(FormatDecimal(std::isfinite(value) ? value : 0, std::clamp(decimals, 0, 6)));
}

QString Share(double part, double whole) {
    const double percent = whole > 0 && std::isfinite(part) ? 100.0 * part / whole : 0.0;
    return QText(FormatDecimal(percent, 1) + " %");
}

bool HasValues(const ChartModel& chart) {
    for (const ChartSeries& s : chart.series)
        for (double v : s.values)
            if (std::isfinite(v) && v > 0)
                return true;
    return false;
}

void PaintNoCalls(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.setFont(AxisTitleFont());
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("keine Rufe"));
    painter.restore();
}

int PointCount(const ChartModel& chart) {
    std::size_t n = chart.categories.size();
    for (const ChartSeries& s : chart.series)
        n = std::max(n, s.values.size());
    return static_cast<int>(std::min<std::size_t>(n, 10000));
}

double ValueAt(const ChartModel& chart, int series, int point) {
    if (series < 0 || series >= static_cast<int>(chart.series.size()) || point < 0)
        return 0;
    const auto& values = chart.series[static_cast<std::size_t>(series)].values;
    const double v =
        point < static_cast<int>(values.size()) ? values[static_cast<std::size_t>(point)] : 0.0;
    return std::isfinite(v) ? v : 0.0;
}

QString PointText(const ChartModel& chart, int series, int point) {
    const QString category = point >= 0 && point < static_cast<int>(chart.categories.size())
                                 ? QText(chart.categories[static_cast<std::size_t>(point)])
                                 : QString();
    const QString legend = series >= 0 && series < static_cast<int>(chart.series.size())
                               ? QText(chart.series[static_cast<std::size_t>(series)].legend)
                               : QString();
    const QString value = Number(ValueAt(chart, series, point), chart.decimals);
    const QString dot = QStringLiteral(" · ");
    if (chart.is3D())
        return QStringLiteral("Etage ") + legend + dot + category + QStringLiteral(": ") + value;
    const QString where =
        chart.pointName.empty() ? category : QText(chart.pointName) + QLatin1Char(' ') + category;
    return where + dot + legend + QStringLiteral(": ") + value;
}

double AxisTop(const ChartModel& chart) {
    if (std::isfinite(chart.axisMax) && chart.axisMax > 0)
        return chart.axisMax;
    double top = 0;
    for (const ChartSeries& s : chart.series)
        for (double v : s.values)
            if (std::isfinite(v))
                top = std::max(top, v);
    return top > 0 ? top : 1;
}

double AxisStep(double top, int maxSteps) {
    maxSteps = std::max(1, maxSteps);
    if (!(top > 0) || !std::isfinite(top))
        return 1;
    double magnitude = std::pow(10.0, std::floor(std::log10(top / maxSteps)));
    magnitude = std::max(1.0, magnitude);
    for (;;) {
        for (double m : {1.0, 2.0, 5.0})
            if (top / (m * magnitude) <= maxSteps + 1e-9)
                return m * magnitude;
        magnitude *= 10;
    }
}

AxisTitles PlaceAxisTitles(const ChartModel& chart, double width, double top, double bottom,
                           double left) {
    const QFontMetricsF metrics(AxisTitleFont());
    AxisTitles titles{{}, {}, bottom, left};
    if (!chart.categoryAxisTitle().empty()) {
        titles.category = QRectF(0, bottom - metrics.height(), width, metrics.height());
        titles.bottom -= metrics.height() + 4;
    }
    if (!chart.valueAxisTitle().empty()) {
        titles.value = QRectF(left, top, metrics.height(), std::max(0.0, titles.bottom - top));
        titles.labelsLeft += metrics.height() + 4;
    }
    return titles;
}

double ValueLabelWidth(const ChartModel& chart, double axisTop) {
    const QFontMetricsF metrics(AxisLabelFont());
    return std::max(metrics.horizontalAdvance(Number(axisTop, chart.decimals)),
                    metrics.horizontalAdvance(QStringLiteral("0")));
}

Gaps GapsInPixels(const ChartModel& chart, double height) {
    double top = std::max(0, static_cast<int>(chart.topGap));
    double bottom = std::max(0, static_cast<int>(chart.bottomGap));
    const double limit = 800;
    if (top + bottom > limit) {
        const double f = limit / (top + bottom);
        top *= f;
        bottom *= f;
    }
    return {top * height / 1000.0, bottom * height / 1000.0};
}

} // namespace chartstyle
