// The chart drawing and the Qt chart control: the charts of the sample files in the widget,
// bars, titles, labels, pies, the 3-D view, gaps and tooltips.
#include "chartfx3/paint/barchartview.h"
#include "chartfx3/paint/chart3dview.h"
#include "chartfx3/paint/chartdrawing.h"
#include "chartfx3/paint/chartstyle.h"
#include "chartfx3/paint/piechartview.h"
#include "chartfx3/qtchartfx.h"
#include "charts/charts.h"
#include "statglob/reader.h"

#include <QtTest>

class TestQtChartfx : public QObject {
    Q_OBJECT

    // Pixels of the colour in the area, each channel within `off` of it; with `top`, the first
    // row that has any (or -1).
    static int CountColour(const QImage& image, const QColor& colour, const QRect& area,
                           bool top = false, int off = 0) {
        const QRect r = area.intersected(image.rect());
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (const QColor c = image.pixelColor(x, y);
                    std::abs(c.red() - colour.red()) <= off &&
                    std::abs(c.green() - colour.green()) <= off &&
                    std::abs(c.blue() - colour.blue()) <= off) {
                    if (top)
                        return y;
                    ++n;
                }
        return top ? -1 : n;
    }
    // "KG", "EG", "1", ...
    static std::string Floor(int i) { return i < 2 ? (i ? "EG" : "KG") : std::to_string(i - 1); }
    // Bars of `series` floors over the floors or the hours "0:00 Uhr", ...
    static ChartModel BarModel(int points, bool hours, int series = 1, double axisMax = 100) {
        ChartModel m;
        m.titles = {"Anzahl", "", "Titel", hours ? "Uhrzeit" : "Etagen"};
        m.pointName = hours ? "" : "Etage";
        for (int i = 0; i < points; ++i)
            m.categories.push_back(hours ? std::to_string(i) + ":00 Uhr" : Floor(i));
        for (int s = 0; s < series; ++s) {
            m.series.push_back({Floor(s), {}});
            for (int i = 0; i < points; ++i)
                m.series.back().values.push_back((i * 37 + s * 11) % 90);
        }
        m.axisMax = axisMax;
        return m;
    }
    static ChartModel PieModel(const std::vector<double>& values) {
        ChartModel m;
        m.kind = ChartKind::Pie;
        m.chart3D = true; // a pie stays flat whatever the 3-D switch
        m.titles[2] = "Rufverteilung auf die Schächte";
        m.categories = {"Schacht A", "Schacht B", "Schacht C", "Schacht D"};
        m.series.push_back({"Rufverteilung", values});
        return m;
    }
    // Hours from left to right, a row per floor; the front row has the tallest bar, at hour 5.
    static ChartModel Model3D(int rows) {
        ChartModel m = BarModel(24, true, rows, 300);
        m.chart3D = true;
        m.angles3D = 0x00190032;
        m.series[0].values[5] = 290;
        return m;
    }

private slots:
    void chartsOfTheSampleFiles() {
        // Every chart of both samples, on screen (gaps of 40) and as on paper (200): ink only
        // between the gaps, and the colour of the first series, or of each shaft of the pie.
        for (const auto& [file, size, gap] :
             {std::tuple{"/hochhaus-40.csv", QSize(609, 329), 200},
              std::tuple{"/buerohaus-14.csv", QSize(1200, 650), 40}}) {
            StatisticsStore store;
            LoadStatisticsFile(store, GS_EXAMPLES + std::string(file));
            QtChartfx control;
            control.resize(size);
            control.show();
            for (const ChartInfo& c : kCharts) {
                const ChartId id = c.id;
                DrawChart(id, store, control);
                control.SetTopGap(static_cast<std::int16_t>(gap)); // at once, too
                control.SetBottomGap(static_cast<std::int16_t>(gap));
                const ChartModel& chart = control.shown();
                const QImage image = ChartImage(chart, size);
                // The widget paints shown(), nothing else, and nothing stale.
                QCOMPARE(control.grab().toImage().convertToFormat(QImage::Format_RGB32), image);
                int first = -1, last = -1;
                for (int y = 0; y < size.height(); ++y)
                    if (CountColour(image, Qt::white, QRect(0, y, size.width(), 1)) <
                        size.width()) {
                        first = first < 0 ? y : first;
                        last = y;
                    }
                const double margin = gap / 1000.0 * size.height();
                QVERIFY2(first >= margin - 1 && first < margin + 12, ChartOf(id).stem);
                QVERIFY2(last <= size.height() - margin + 1 &&
                             last > size.height() - margin - 0.15 * size.height(),
                         ChartOf(id).stem);
                const bool pie = chart.kind == ChartKind::Pie;
                const auto& v = chart.series[0].values;
                for (int k = 0; k < (pie ? 4 : 1); ++k) {
                    const bool drawn = pie ? v[k] > 0 : *std::max_element(v.begin(), v.end()) > 0;
                    const QColor colour =
                        chartstyle::SeriesColor(k, pie ? 4 : int(chart.series.size()));
                    // More than the legend's swatch.
                    QVERIFY2(drawn == (CountColour(image, colour, image.rect()) >= 120),
                             ChartOf(id).stem);
                }
            }
        }
    }

    void barsAndTitlesInPlace() {
        // The axis runs from 0 to the chart's maximum: a bar of the maximum reaches the top of
        // the plot, one of half of it the middle. An image at twice the scale is the same
        // layout twice as large; a comparison's pair of series is one hue, the second lighter.
        ChartModel chart = BarModel(12, false, 2, 500);
        chart.series[0].values[3] = 500;
        chart.series[1].values[7] = 250;
        for (const auto& [scale, paired] : {std::pair{1, false}, std::pair{2, true}}) {
            chart.pairedSeries = paired;
            const QImage image = ChartImage(chart, QSize(609, 329) * scale, scale);
            QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 96 * scale);
            const QRectF area = BarChartView(chart, QSizeF(609, 329)).plotArea();
            const QRect plot = QRectF(area.topLeft() * scale, area.size() * scale).toRect();
            for (const auto& [series, point, top] :
                 {std::tuple{0, 3, plot.top()}, std::tuple{1, 7, plot.center().y()}}) {
                const int left = plot.left() + point * plot.width() / 12;
                const QColor colour = chartstyle::SeriesColor(series, 2, paired);
                const int y = CountColour(image, colour,
                                          QRect(left, 0, plot.width() / 12, plot.bottom()), true);
                QVERIFY2(std::abs(y - top) <= 2.5 * scale, qPrintable(QString::number(y - top)));
            }
            const QColor first = chartstyle::SeriesColor(0, 2, paired);
            const QColor second = chartstyle::SeriesColor(1, 2, paired);
            QCOMPARE(std::abs(first.hsvHue() - second.hsvHue()) <= 2, paired);
            QVERIFY(!paired || second.lightness() > first.lightness() + 40);
        }
    }

    void noCallsSaySo() {
        // A chart of nothing but zeros says "keine Rufe" in its plot; one with calls does not.
        ChartModel bars = BarModel(14, false), empty = bars, empty3D = Model3D(14),
                   pie = PieModel({0, 0, 0, 0});
        for (ChartModel* m : {&empty, &empty3D})
            for (ChartSeries& s : m->series)
                std::fill(s.values.begin(), s.values.end(), 0.0);
        for (const auto& [chart, says] : {std::pair{&bars, false}, std::pair{&empty, true},
                                          std::pair{&empty3D, true}, std::pair{&pie, true}}) {
            const QImage image = ChartImage(*chart, QSize(609, 329));
            const QRect middle(200, 120, 210, 90);
            QCOMPARE(CountColour(image, QColor(0x60, 0x60, 0x60), middle, false, 12) > 20, says);
        }
    }

    void piesWithEmptySlices() {
        // A slice for each shaft with calls; every shaft in the legend with value and share.
        for (const std::vector<double>& values : std::vector<std::vector<double>>{
                 {10, 0, 5, 0}, {1000, 3, 0, 0}, {0, 0, 0, 0}, {-5, 10, 0, 0}}) {
            const QImage image = ChartImage(PieModel(values), QSize(609, 329));
            const PieChartView view(PieModel(values), QSizeF(609, 329));
            const QRect plot = view.pieRect().toRect();
            double total = 0;
            for (double v : values)
                total += std::max(0.0, v);
            for (int i = 0; i < 4; ++i) {
                // A sliver of 0.3 % is thinner than a pixel in places: nearly its colour.
                const int pixels =
                    CountColour(image, chartstyle::SeriesColor(i, 4), plot, false, 40);
                QVERIFY(values[i] > 0 ? pixels > 0 : pixels == 0);
                const QString legend = QStringLiteral("Schacht %1: %2 (%3)")
                                           .arg(QChar('A' + i))
                                           .arg(values[i], 0, 'f', 0)
                                           .arg(chartstyle::Share(std::max(0.0, values[i]), total));
                QCOMPARE(view.legendTexts().value(i), legend);
            }
            // With nothing to share out, a grey disc fills the place of the pie.
            QVERIFY(total > 0 || CountColour(image, QColor(0xe4, 0xe4, 0xe4), plot) > 1000);
        }
    }

    void toolTipsName() {
        // Pointing at a bar, a slice or a 3-D bar names its floor, hour or shaft, series and
        // value; pointing beside them names nothing.
        const QSizeF size(609, 329);
        ChartModel bars = BarModel(14, false, 2, 400);
        bars.series[1] = {"Auf-Rufe", std::vector<double>(14, 10)};
        bars.series[1].values[4] = 312;
        const ChartModel pie = PieModel({10, 0, 30, 10}), view3D = Model3D(3);
        const QRectF disc = PieChartView(pie, size).pieRect();
        const std::tuple<const ChartModel&, QPointF, const char*> cases[] = {
            {bars, BarChartView(bars, size).bar(1, 4).center(), "Etage 3 · Auf-Rufe: 312"},
            // Shaft C runs from 2:24 to 9:36 o'clock.
            {pie, disc.center() + QPointF(-0.1, 0.3) * disc.width(),
             "Schacht C · Rufverteilung: 30 (60,0 %)"},
            {view3D, Chart3DView(view3D, size).project(5.5, 0.5, 200), "Etage KG · 5:00 Uhr: 290"},
        };
        for (const auto& [chart, at, text] : cases) {
            const ChartDrawing drawing(chart);
            QCOMPARE(drawing.toolTip(size, at), QString::fromUtf8(text));
            QCOMPARE(drawing.toolTip(size, QPointF(2, 2)), QString());
        }
    }

    void view3D() {
        for (int rows : {1, 3, 14, 40})
            for (QSize size : {QSize(609, 329), QSize(1200, 650)}) {
                const ChartModel chart = Model3D(rows);
                const Chart3DView view(chart, size);
                // Everything fits, with room for the titles above and the hour labels below.
                const QRectF box = view.boxBounds();
                QVERIFY(QRectF(QPointF(0, 0), size).contains(box));
                QVERIFY(box.width() > size.width() * 0.6 && box.height() > size.height() * 0.4);
                // Bars keep nearly half the height of the box, however many rows there are.
                QVERIFY(view.project(0, 0, 0).y() - view.project(0, 0, view.axisTop()).y() >=
                        box.height() * 0.45);
                // Labelled rows are apart by their letters' height, at 6 points or more; up to
                // 14 rows (a usual building) all are labelled, in the window too.
                const double rise =
                    view.project(24, 0, 0).y() - view.project(24, view.rowLabelStep(), 0).y();
                const QFontMetricsF letters(view.rowLabelFont());
                QVERIFY(rise >= letters.capHeight() + letters.descent() &&
                        view.rowLabelFont().pixelSize() >= 8);
#ifndef _WIN32 // Wine's substitute fonts are taller: under it a floor may be skipped
                QVERIFY(view.rowLabelStep() == 1 || rows > 14);
#endif
                // The front row's tallest bar is drawn where the projection puts it.
                const QImage image = ChartImage(chart, size);
                const QPointF topEdge = view.project(5.5, 0.5 - 0.35, 290);
                QCOMPARE(image.pixel(topEdge.toPoint() + QPoint(0, 3)),
                         chartstyle::SeriesColor(0, rows).rgb());
                // Each labelled row shows its colour in the legend.
                for (int r = 0; r < rows; r += view.rowLabelStep())
                    QVERIFY(CountColour(image, chartstyle::SeriesColor(r, rows), image.rect()) > 0);
            }
    }
};

QTEST_MAIN(TestQtChartfx)
#include "test_qtchartfx.moc"
