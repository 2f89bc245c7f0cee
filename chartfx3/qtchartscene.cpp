#include "qtchartscene.h"

#include "chartstyle.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using namespace chartstyle;

namespace {

constexpr double kLabelSpace = 3;       // pixels at least between two flat category labels
constexpr int kSmallestLabelPixels = 8; // 6 points: category labels shrink no further

double UprightBox(const QFontMetricsF& metrics) {
    return std::ceil(metrics.height()) + 2;
}

// Qt's category axis keeps only one of equal categories, and floor names may repeat or be
// empty; a run of zero-width spaces makes each one distinct without changing what is shown.
// Qt takes labels as HTML: "<" and "&" in a floor name are escaped.
QStringList DistinctLabels(const QStringList& texts) {
    QStringList labels;
    for (const QString& text : texts) {
        QString label = text.toHtmlEscaped();
        if (label.isEmpty())
            label = QString(QChar(0x200B));
        while (labels.contains(label))
            label += QChar(0x200B);
        labels << label;
    }
    return labels;
}

std::size_t PointCount(const ChartModel& chart) {
    std::size_t n = chart.categories.size();
    for (const ChartSeries& s : chart.series)
        n = std::max(n, s.values.size());
    return n;
}

double ValueAt(const ChartSeries& s, std::size_t i) {
    const double v = i < s.values.size() ? s.values[i] : 0.0;
    return std::isfinite(v) ? v : 0.0;
}

void StyleChart(QChart& chart, const ChartModel& model) {
    chart.setAnimationOptions(QChart::NoAnimation);
    chart.setBackgroundRoundness(0);
    chart.setDropShadowEnabled(false);
    chart.setBackgroundBrush(Qt::white);
    chart.setBackgroundPen(Qt::NoPen);
    chart.layout()->setContentsMargins(0, 0, 0, 0);
    chart.setTitle(Html(model.heading()));
    chart.setTitleFont(HeadingFont());
    chart.setTitleBrush(Qt::black);
    chart.legend()->setFont(LegendFont());
    chart.legend()->setLabelColor(Qt::black);
}

// An axis title in the one style of both axes; an empty title takes no room.
void SetAxisTitle(QAbstractAxis& axis, const std::string& title) {
    axis.setTitleText(Html(title));
    axis.setTitleVisible(!title.empty());
    axis.setTitleFont(AxisTitleFont());
    axis.setTitleBrush(Qt::black);
}

} // namespace

QtChartScene::QtChartScene(const ChartModel& chart)
    : model_(chart), scene_(std::make_unique<QGraphicsScene>()), chart_(new QChart) {
    scene_->addItem(chart_);
    StyleChart(*chart_, model_);
    if (model_.chartType == 5)
        buildPie();
    else
        buildBars();
}

QtChartScene::~QtChartScene() = default;

void QtChartScene::buildBars() {
    const std::size_t points = PointCount(model_);
    auto* bars = new QBarSeries;
    const int count = static_cast<int>(model_.series.size());
    for (int s = 0; s < count; ++s) {
        const ChartSeries& series = model_.series[static_cast<std::size_t>(s)];
        auto* set = new QBarSet(Html(series.legend));
        const QColor colour = SeriesColor(s, count);
        set->setColor(colour);
        set->setBorderColor(colour.darker(140));
        for (std::size_t i = 0; i < points; ++i)
            set->append(ValueAt(series, i));
        bars->append(set);
    }
    bars->setBarWidth(count > 1 ? 0.85 : 0.7);
    chart_->addSeries(bars);

    for (std::size_t i = 0; i < points; ++i)
        pointLegends_ << (i < model_.categories.size() ? Text(model_.categories[i]) : QString());
    categoryAxis_ = new QBarCategoryAxis;
    shownLegends_ = pointLegends_;
    categoryAxis_->append(DistinctLabels(pointLegends_));
    categoryAxis_->setLabelsFont(CategoryFont(model_));
    // Labels are never shortened: fitAxes turns them upright or leaves some out instead.
    categoryAxis_->setTruncateLabels(false);
    categoryAxis_->setLabelsColor(Qt::black);
    categoryAxis_->setGridLineVisible(false);
    SetAxisTitle(*categoryAxis_, model_.categoryAxisTitle());
    chart_->addAxis(categoryAxis_, Qt::AlignBottom);
    bars->attachAxis(categoryAxis_);

    valueAxis_ = new QValueAxis;
    valueAxis_->setRange(0, AxisTop(model_));
    valueAxis_->setLabelFormat(QStringLiteral("%.") +
                               QString::number(std::clamp<int>(model_.decimals, 0, 6)) +
                               QStringLiteral("f"));
    valueAxis_->setTickType(QValueAxis::TicksDynamic);
    valueAxis_->setTickAnchor(0);
    valueAxis_->setTickInterval(AxisStep(AxisTop(model_), 10));
    valueAxis_->setMinorTickCount(0);
    valueAxis_->setLabelsFont(AxisLabelFont());
    valueAxis_->setLabelsColor(Qt::black);
    valueAxis_->setGridLineColor(QColor(0xd0, 0xd0, 0xd0));
    SetAxisTitle(*valueAxis_, model_.valueAxisTitle());
    chart_->addAxis(valueAxis_, Qt::AlignLeft);
    bars->attachAxis(valueAxis_);

    chart_->legend()->setAlignment(Qt::AlignTop);
    chart_->legend()->setVisible(count > 0);
}

void QtChartScene::buildPie() {
    // The legend is the table of all slices, name, value and share, a slice of nothing
    // included; the slices carry their share.
    auto* pie = new QPieSeries;
    const std::size_t points = PointCount(model_);
    const ChartSeries none;
    const ChartSeries& values = model_.series.empty() ? none : model_.series.front();
    double total = 0;
    for (std::size_t i = 0; i < points; ++i)
        total += std::max(0.0, ValueAt(values, i));
    QStringList legends;
    for (std::size_t i = 0; i < points; ++i) {
        const double v = ValueAt(values, i);
        const double part = std::max(0.0, v);
        const QString name = i < model_.categories.size() ? Text(model_.categories[i]) : QString();
        legends << name + QStringLiteral(": ") + Number(v, model_.decimals) + QStringLiteral(" (") +
                       Share(part, total) + QStringLiteral(")");
        auto* slice = new QPieSlice(Share(part, total), part);
        const QColor colour = SeriesColor(static_cast<int>(i), static_cast<int>(points));
        slice->setColor(colour);
        slice->setBorderColor(Qt::white);
        slice->setLabelFont(LegendFont());
        slice->setLabelColor(Qt::black);
        slice->setLabelPosition(QPieSlice::LabelOutside);
        slice->setLabelVisible(part > 0); // nothing to point at
        pie->append(slice);
    }
    // With nothing to share out, a grey disc says so instead of an empty space.
    QPieSlice* placeholder = nullptr;
    if (!(total > 0)) {
        placeholder = new QPieSlice(QStringLiteral("Keine Werte"), 1);
        placeholder->setColor(QColor(0xe4, 0xe4, 0xe4));
        placeholder->setBorderColor(QColor(0xe4, 0xe4, 0xe4));
        placeholder->setLabelFont(LegendFont());
        placeholder->setLabelColor(Qt::black);
        placeholder->setLabelPosition(QPieSlice::LabelInsideHorizontal);
        placeholder->setLabelVisible(true);
        pie->append(placeholder);
    }
    pie->setPieSize(0.75);
    chart_->addSeries(pie);
    const QList<QLegendMarker*> markers = chart_->legend()->markers(pie);
    for (qsizetype i = 0; i < markers.size(); ++i) {
        if (i < legends.size())
            markers[i]->setLabel(legends[i].toHtmlEscaped());
        else
            markers[i]->setVisible(false); // the placeholder
    }
    chart_->legend()->setAlignment(Qt::AlignRight);
    chart_->legend()->setVisible(points > 0);
}

void QtChartScene::fitAxes(const QSizeF& size) {
    const Gaps gaps = GapsInPixels(model_, size.height());
    chart_->setMargins(QMargins(4, static_cast<int>(std::lround(gaps.top)), 12,
                                static_cast<int>(std::lround(gaps.bottom))));
    // The labels depend on the plot area, which depends a little on the labels. A guess at the
    // plot area first saves most charts a second layout.
    if (categoryAxis_)
        fitAxesTo(QSizeF(size.width() - 90, (size.height() - gaps.top - gaps.bottom) * 0.6));
    for (int round = 0; round < 3; ++round) {
        chart_->setGeometry(QRectF(QPointF(0, 0), size));
        chart_->layout()->activate();
        if (!categoryAxis_ || !fitAxesTo(chart_->plotArea().size()))
            return;
        chart_->layout()->invalidate();
    }
}

bool QtChartScene::fitAxesTo(const QSizeF& plot) {
    const double slot = pointLegends_.isEmpty() ? 0 : plot.width() / pointLegends_.size();
    const LabelPlan plan = PlanLabels(pointLegends_, CategoryFont(model_), slot);
    const double step =
        AxisStep(valueAxis_->max(), std::max(2, static_cast<int>(plot.height() / 28)));
    if (plan.angle == labelAngle_ && plan.step == labelStep_ &&
        plan.pixelSize == categoryAxis_->labelsFont().pixelSize() &&
        step == valueAxis_->tickInterval())
        return false;
    if (plan.step != labelStep_) {
        labelStep_ = plan.step;
        shownLegends_ = pointLegends_;
        for (int i = 0; i < shownLegends_.size(); ++i)
            if (i % labelStep_ != 0)
                shownLegends_[i].clear();
        categoryAxis_->setCategories(DistinctLabels(shownLegends_));
    }
    labelAngle_ = plan.angle;
    categoryAxis_->setLabelsAngle(labelAngle_);
    QFont font = CategoryFont(model_);
    font.setPixelSize(plan.pixelSize);
    categoryAxis_->setLabelsFont(font);
    valueAxis_->setTickInterval(step);
    return true;
}

QtChartScene::LabelPlan QtChartScene::PlanLabels(const QStringList& labels, const QFont& font,
                                                 double slot) {
    const int asked = std::max(1, font.pixelSize());
    const int smallest = std::min(asked, kSmallestLabelPixels);
    QFont f = font;
    for (int px = asked; px >= smallest; --px) {
        f.setPixelSize(px);
        const QFontMetricsF metrics(f);
        double widest = 0;
        for (const QString& label : labels)
            widest = std::max(widest, metrics.horizontalAdvance(label));
        if (widest + kLabelSpace <= slot)
            return {0, 1, px};
        // Qt gives an upright label a box one line high and a pixel more on either side, and
        // leaves out a label whose box overlaps its neighbour's.
        if (UprightBox(metrics) <= slot)
            return {-90, 1, px};
    }
    f.setPixelSize(smallest);
    const double box = UprightBox(QFontMetricsF(f));
    const int step = slot > 0 ? static_cast<int>(std::ceil(box / slot)) : 1;
    return {-90, std::max(1, step), smallest};
}

void QtChartScene::layout(const QSizeF& size) {
    if (size == laidOut_)
        return;
    fitAxes(size);
    laidOut_ = size;
}

void QtChartScene::paint(QPainter& painter, const QRectF& target, const QSizeF& size) {
    layout(size);
    scene_->setSceneRect(QRectF(QPointF(0, 0), size));
    scene_->render(&painter, target, QRectF(QPointF(0, 0), size), Qt::IgnoreAspectRatio);
}

QRectF QtChartScene::plotArea() const {
    return chart_->plotArea();
}

double QtChartScene::valueAxisStep() const {
    return valueAxis_ ? valueAxis_->tickInterval() : 0;
}
