// ChartStyle: the fonts, colours, number formats and margins every chart drawing shares.
#pragma once

#include "chartfx3/chartmodel.h"
#include "statglob/qtext.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// Charts are laid out in "chart pixels" of 1/96 inch; painters on other devices are scaled.
// Fonts are therefore sized in pixels and unhinted, so that the layout measured on screen is
// the layout drawn on paper.
namespace chartstyle {

constexpr double kChartDpi = 96.0;

// A font of the given points, sized in chart pixels.
QFont Font(const QString& family, double points, bool bold = false);
QFont HeadingFont();   // title 2
QFont AxisTitleFont(); // titles 0 and 3
QFont AxisLabelFont(); // value-axis numbers
QFont LegendFont();
// The category font the chart asks for (XLegFont), sized as the control was told, and how much
// narrower than that font its labels are drawn. "Arial Narrow" is Arial condensed to its design
// width of 82 %: few machines have the narrow face (Windows only with Office, Debian only with
// the older Liberation fonts), so the labels look alike everywhere, SVG viewers included, and a
// PDF embeds no font of its own for them.
struct CategoryFace {
    QFont font;
    double condense = 1;

    double width(const QString& text) const;
    // Sets the font and condenses the painter's x axis: boxes for drawText then go through
    // map(), which turns a box of the frame before into one of the condensed frame.
    void apply(QPainter& painter) const;
    QRectF map(const QRectF& box) const;
};
CategoryFace CategoryFont(const ChartModel& chart);

// Colour of series (bars) or point (pie slices) `index` of `count`. Paired series (a period and
// its comparison) share a hue per pair, the second of a pair a lighter shade of it.
QColor SeriesColor(int index, int count, bool paired = false);
// The colour of a change's assessment: green for "besser", red for "schlechter", else black.
QColor AssessmentColor(const std::string& assessment);

// A value as the chart writes it (FormatDecimal): `decimals` places (0..6), 0 where not finite.
QString Number(double value, int decimals);
// A share as German text with one decimal place: "25,3 %".
QString Share(double part, double whole);

// A chart without any value above 0 (no calls in the file, or none in what it shows) says so in
// its plot area: "keine Rufe", centred in `area` in the axis titles' font.
bool HasValues(const ChartModel& chart);
void PaintNoCalls(QPainter& painter, const QRectF& area);

// Points of the chart: its legends or its longest series, whichever has more.
int PointCount(const ChartModel& chart);
// Series s's value at point p; 0 where the series is shorter or the value not finite.
double ValueAt(const ChartModel& chart, int series, int point);
// What a point's tooltip says: "Etage 7 · Auf-Rufe: 312"; the 3-D view's rows are floors, so
// there the row names the floor and the point the hour ("Etage 7 · 8:00 Uhr: 12").
QString PointText(const ChartModel& chart, int series, int point);

// The value axis: upper end (the chart's axis maximum, or the largest value when none was set)
// and a step of 1, 2 or 5 times a power of ten giving at most `maxSteps` steps, never below 1
// so that every label is a whole number.
double AxisTop(const ChartModel& chart);
double AxisStep(double top, int maxSteps);

// The axis titles in the chart's room from `top` to `bottom`: the category title along the
// bottom, the value title turned up the left side from `left`. Null boxes where the chart has no
// such title.
struct AxisTitles {
    QRectF category, value;
    double bottom;     // of the room above the category title
    double labelsLeft; // right of the value title: where the value axis' labels begin
};
AxisTitles PlaceAxisTitles(const ChartModel& chart, double width, double top, double bottom,
                           double left);
// The widest label the value axis up to `axisTop` can have.
double ValueLabelWidth(const ChartModel& chart, double axisTop);

// TopGap and BottomGap are in thousandths of the chart's height: 40 leaves 4 % above and
// below the chart, 200 during a print leaves a fifth. Negative gaps count as 0, and the two
// together never take more than 80 % of the height.
struct Gaps {
    double top;
    double bottom;
};
Gaps GapsInPixels(const ChartModel& chart, double height);

} // namespace chartstyle
