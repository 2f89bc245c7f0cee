// The Qt chart control: what it draws of the sample files, labels, pies, the 3-D view, gaps,
// the widget and printing.
#include "chart3dview.h"
#include "chartdrawing.h"
#include "charts.h"
#include "chartstyle.h"
#include "pdftools.h"
#include "qtchartfx.h"
#include "qtchartscene.h"
#include "reader.h"
#include "recordingchartfx.h"
#include "testfiles.h"

#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSet>
#include <QtTest>

#include <cmath>
#include <stdexcept>

Q_DECLARE_METATYPE(ChartId)
Q_DECLARE_METATYPE(ChartModel)

namespace {

ChartModel SampleChart(const QString& file, ChartId id) {
    StatisticsStore store;
    LoadStatisticsFile(store, (QStringLiteral(GS_EXAMPLES "/") + file).toStdString());
    RecordingChartfx control;
    DrawChart(id, store, control);
    return control.shown();
}

// The drawing and the image it painted (96 dpi).
struct Painted {
    std::unique_ptr<ChartDrawing> drawing;
    QImage image;
};

Painted Paint(const ChartModel& chart, const QSize& size) {
    Painted p{std::make_unique<ChartDrawing>(chart), QImage(size, QImage::Format_RGB32)};
    p.image.fill(Qt::white);
    QPainter painter(&p.image);
    p.drawing->paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return p;
}

int CountColour(const QImage& image, const QColor& colour, const QRect& area) {
    const QRect r = area.intersected(image.rect());
    const QRgb want = colour.rgb();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixel(x, y) == want;
    return n;
}

// Bounding box of everything not white.
QRect InkBounds(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// Topmost row of the plot area in the column range that has the colour, or -1.
int TopOfColour(const QImage& image, const QColor& colour, const QRectF& plot, int left,
                int right) {
    for (int y = static_cast<int>(plot.top()) - 1; y <= plot.bottom(); ++y)
        for (int x = std::max(0, left); x <= std::min(image.width() - 1, right); ++x)
            if (image.pixel(x, y) == colour.rgb())
                return y;
    return -1;
}

// The texts Qt placed in the scene and shows, with where they are.
QList<QPair<QString, QRectF>> VisibleTexts(const QtChartScene& scene) {
    QList<QPair<QString, QRectF>> texts;
    for (QGraphicsItem* item : scene.graphicsScene()->items())
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
            texts.append({text->toPlainText().remove(QChar(0x200B)), text->sceneBoundingRect()});
    return texts;
}

ChartModel BarModel(const std::vector<std::string>& categories, int series = 1,
                    double axisMax = 100) {
    ChartModel m;
    m.titles = {"Anzahl", "", "Titel", "Etagen"};
    m.categories = categories;
    for (int s = 0; s < series; ++s) {
        ChartSeries cs{"Reihe " + std::to_string(s), {}};
        for (std::size_t i = 0; i < categories.size(); ++i)
            cs.values.push_back(static_cast<double>((i * 37 + s * 11) % 90));
        m.series.push_back(cs);
    }
    m.axisMax = axisMax;
    return m;
}

std::vector<std::string> FloorLabels(int n) {
    std::vector<std::string> labels;
    for (int i = 0; i < n; ++i)
        labels.push_back(i == 0 ? "KG" : i == 1 ? "EG" : std::to_string(i - 1));
    return labels;
}

std::vector<std::string> HourLabels() {
    std::vector<std::string> labels;
    for (int h = 0; h < 24; ++h)
        labels.push_back(std::to_string(h) + ":00 Uhr");
    return labels;
}

ChartModel PieModel(std::vector<double> values) {
    ChartModel m;
    m.chartType = 5;
    m.titles[2] = "Rufverteilung auf die Sch\xC3\xA4"
                  "chte";
    m.categories = {"Schacht A", "Schacht B", "Schacht C", "Schacht D"};
    m.series.push_back({"Rufverteilung", values});
    for (double v : values)
        m.axisMax += v;
    return m;
}

ChartModel Model3D(int rows, int points = 24) {
    ChartModel m;
    m.chart3D = true;
    m.angles3D = 0x00190032;
    m.categoryFontSize = 7;
    m.titles = {"Anzahl der Rufe", "", "Rufe", "Uhrzeit"};
    m.categories = HourLabels();
    m.categories.resize(static_cast<std::size_t>(points));
    for (int r = 0; r < rows; ++r) {
        ChartSeries s{FloorLabels(rows)[static_cast<std::size_t>(r)], {}};
        for (int p = 0; p < points; ++p)
            s.values.push_back(static_cast<double>((p * 7 + r * 13) % 50));
        m.series.push_back(s);
    }
    m.series[0].values[5] = 290; // the front row has the tallest bar
    m.axisMax = 300;
    return m;
}

} // namespace

class TestQtChartfx : public QObject {
    Q_OBJECT

private slots:
    void barsOfTheSampleFiles_data();
    void barsOfTheSampleFiles();
    void fullBarReachesTheTop();
    void categoryLabelsAllReadable_data();
    void categoryLabelsAllReadable();
    void labelsAreTextNotMarkup();
    void valueAxisHasWholeNumbers();
    void pieOfTheSampleFile();
    void pieWithEmptySlices_data();
    void pieWithEmptySlices();
    void view3D_data();
    void view3D();
    void gapsWidenTheMargins_data();
    void gapsWidenTheMargins();
    void widgetDrawsWhatIsShown();
    void printWithoutPrinter();
    void printToAFileThatCannotBeWritten();
    void printToPdf();
};

void TestQtChartfx::barsOfTheSampleFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<ChartId>("id");
    QTest::addColumn<QSize>("size");
    for (const char* file : {"hochhaus-40.csv", "buerohaus-14.csv"})
        for (ChartId id : kAllCharts)
            if (id != ChartId::Verteil && id != ChartId::RufeZeitEt)
                for (QSize size : {QSize(609, 329), QSize(1200, 650)})
                    QTest::addRow("%s %s %dx%d", file, ChartStem(id), size.width(), size.height())
                        << QString::fromLatin1(file) << id << size;
}

void TestQtChartfx::barsOfTheSampleFiles() {
    QFETCH(QString, file);
    QFETCH(ChartId, id);
    QFETCH(QSize, size);
    const ChartModel chart = SampleChart(file, id);
    QVERIFY(!chart.chart3D);
    const Painted p = Paint(chart, size);
    QVERIFY(p.drawing->scene());
    const QRectF plot = p.drawing->scene()->plotArea();
    QVERIFY(plot.width() > size.width() / 2.0 && plot.height() > size.height() / 3.0);

    // The largest value's bar ends where its value lies on the axis 0..axisMax.
    const int count = static_cast<int>(chart.series.size());
    const int points = static_cast<int>(chart.categories.size());
    int bestSeries = 0;
    int bestPoint = 0;
    for (int s = 0; s < count; ++s)
        for (int i = 0; i < points; ++i)
            if (chart.series[s].values[i] > chart.series[bestSeries].values[bestPoint]) {
                bestSeries = s;
                bestPoint = i;
            }
    const double value = chart.series[bestSeries].values[bestPoint];
    const QColor colour = chartstyle::SeriesColor(bestSeries, count);
    if (value <= 0) {
        // A chart of zeros (door B down of the samples) has no bar above the axis.
        QCOMPARE(CountColour(p.image, colour, plot.adjusted(0, 0, 0, -2).toRect()), 0);
        return;
    }
    QVERIFY(CountColour(p.image, colour, plot.toRect()) > 50);
    const double slot = plot.width() / points;
    const int left = static_cast<int>(plot.left() + bestPoint * slot);
    const int top = TopOfColour(p.image, colour, plot, left, static_cast<int>(left + slot) - 1);
    const double expected = plot.bottom() - value / chart.axisMax * plot.height();
    QVERIFY2(std::abs(top - expected) <= 2.5,
             qPrintable(QStringLiteral("bar top %1, expected %2").arg(top).arg(expected)));
}

void TestQtChartfx::fullBarReachesTheTop() {
    ChartModel chart = BarModel(FloorLabels(12));
    chart.series[0].values[3] = 500;
    chart.axisMax = 500;
    const Painted p = Paint(chart, QSize(609, 329));
    const QRectF plot = p.drawing->scene()->plotArea();
    const double slot = plot.width() / 12;
    const int left = static_cast<int>(plot.left() + 3 * slot);
    const int top = TopOfColour(p.image, chartstyle::SeriesColor(0, 1), plot, left,
                                static_cast<int>(left + slot) - 1);
    QVERIFY(std::abs(top - plot.top()) <= 2.5);
    // The neighbours' smaller values stay below it.
    const int next = TopOfColour(p.image, chartstyle::SeriesColor(0, 1), plot,
                                 static_cast<int>(left + slot), static_cast<int>(left + 2 * slot));
    QVERIFY(next > top + 10);
}

void TestQtChartfx::categoryLabelsAllReadable_data() {
    QTest::addColumn<bool>("hours");
    QTest::addColumn<QSize>("size");
    // The window's chart, a page in chart pixels (A4 landscape), the exported image.
    for (QSize size : {QSize(609, 329), QSize(1085, 730), QSize(1200, 650)}) {
        QTest::addRow("40 floors %dx%d", size.width(), size.height()) << false << size;
        QTest::addRow("24 hours %dx%d", size.width(), size.height()) << true << size;
    }
}

void TestQtChartfx::categoryLabelsAllReadable() {
    QFETCH(bool, hours);
    QFETCH(QSize, size);
    ChartModel chart = BarModel(hours ? HourLabels() : FloorLabels(40), 2);
    chart.categoryFontSize = hours ? 7 : 8;
    QtChartScene scene(chart);
    scene.layout(size);

    QStringList expected;
    for (const std::string& c : chart.categories)
        expected << QString::fromStdString(c);
    QCOMPARE(scene.categoryLabelStep(), 1);
    QCOMPARE(scene.categoryLabels(), expected);

    // Every label is shown whole, once, and no two of them overlap.
    QList<QRectF> places;
    for (const auto& [text, rect] : VisibleTexts(scene)) {
        QVERIFY2(!text.contains(QStringLiteral("...")) && !text.contains(QChar(0x2026)),
                 qPrintable(text));
        if (expected.contains(text) && rect.top() > scene.plotArea().bottom())
            places << rect;
    }
    QCOMPARE(places.size(), expected.size());
    for (int i = 0; i < places.size(); ++i)
        for (int j = i + 1; j < places.size(); ++j) {
            const QRectF overlap = places[i].intersected(places[j]);
            QVERIFY2(overlap.width() <= 1.0 || overlap.height() <= 1.0,
                     qPrintable(QStringLiteral("labels %1 and %2 overlap").arg(i).arg(j)));
        }
}

void TestQtChartfx::labelsAreTextNotMarkup() {
    // Floor names are the user's: markup characters, repeats and blanks are shown as they are.
    ChartModel chart = BarModel({"A&B", "<1>", "EG", "EG", "", "<b>x</b>"});
    chart.titles[2] = "a < b & c";
    chart.series[0].legend = "<i>Rufe</i>";
    QtChartScene scene(chart);
    scene.layout(QSizeF(609, 329));
    QCOMPARE(scene.categoryLabels(), QStringList({"A&B", "<1>", "EG", "EG", "", "<b>x</b>"}));
    QStringList shown;
    for (const auto& text : VisibleTexts(scene))
        shown << text.first;
    for (const char* want : {"A&B", "<1>", "<b>x</b>", "a < b & c", "<i>Rufe</i>"})
        QVERIFY2(shown.contains(QString::fromUtf8(want)), want);
    QCOMPARE(shown.count(QStringLiteral("EG")), 2);
}

void TestQtChartfx::valueAxisHasWholeNumbers() {
    // Small axis maxima must not produce steps of 0.5 or labels like "2.5".
    for (double top : {1.0, 3.0, 7.0, 100.0, 1300.0, 250000.0}) {
        ChartModel chart = BarModel(FloorLabels(3), 1, top);
        QtChartScene scene(chart);
        scene.layout(QSizeF(609, 329));
        const double step = scene.valueAxisStep();
        QVERIFY2(step >= 1 && step == std::floor(step), qPrintable(QString::number(step)));
        QVERIFY(top / step <= 12);
        for (const auto& text : VisibleTexts(scene))
            QVERIFY2(!text.first.contains(QLatin1Char('.')), qPrintable(text.first));
    }
}

void TestQtChartfx::pieOfTheSampleFile() {
    const ChartModel chart = SampleChart(QStringLiteral("hochhaus-40.csv"), ChartId::Verteil);
    QCOMPARE(chart.chartType, std::int16_t{5});
    const Painted p = Paint(chart, QSize(609, 329));
    const QRect plot = p.drawing->scene()->plotArea().toRect();
    for (int i = 0; i < 4; ++i)
        QVERIFY2(CountColour(p.image, chartstyle::SeriesColor(i, 4), plot) > 200,
                 qPrintable(QString::number(i)));

    // The legend names each shaft with its value and share.
    QStringList texts;
    for (const auto& text : VisibleTexts(*p.drawing->scene()))
        texts << text.first;
    double total = 0;
    for (double v : chart.series[0].values)
        total += v;
    for (int i = 0; i < 4; ++i) {
        const QString want =
            QString::fromStdString(chart.categories[i]) + QStringLiteral(": ") +
            QString::number(chart.series[0].values[i], 'f', 0) + QStringLiteral(" (") +
            chartstyle::Share(chart.series[0].values[i], total) + QStringLiteral(")");
        QVERIFY2(texts.contains(want), qPrintable(want));
    }
}

void TestQtChartfx::pieWithEmptySlices_data() {
    QTest::addColumn<QList<double>>("values");
    QTest::addRow("two empty") << QList<double>{10, 0, 5, 0};
    QTest::addRow("one tiny") << QList<double>{1000, 3, 0, 0};
    QTest::addRow("all empty") << QList<double>{0, 0, 0, 0};
    QTest::addRow("negative") << QList<double>{-5, 10, 0, 0};
}

void TestQtChartfx::pieWithEmptySlices() {
    QFETCH(QList<double>, values);
    const ChartModel chart = PieModel(std::vector<double>(values.begin(), values.end()));
    const Painted p = Paint(chart, QSize(609, 329));
    const QRect plot = p.drawing->scene()->plotArea().toRect();
    double total = 0;
    for (double v : values)
        total += std::max(0.0, v);
    QStringList texts;
    for (const auto& text : VisibleTexts(*p.drawing->scene()))
        texts << text.first;
    for (int i = 0; i < 4; ++i) {
        const int pixels = CountColour(p.image, chartstyle::SeriesColor(i, 4), plot);
        const double share = values[i] > 0 ? values[i] / total : 0;
        if (share == 0)
            QCOMPARE(pixels, 0);
        else
            QVERIFY(pixels > 0);
        // Every shaft is in the legend, an empty one with 0 and 0,0 %.
        const QString legend = QStringLiteral("Schacht %1: ").arg(QChar('A' + i));
        QVERIFY2(std::any_of(texts.begin(), texts.end(),
                             [&](const QString& t) { return t.startsWith(legend); }),
                 qPrintable(legend));
    }
    for (const QString& t : texts)
        QVERIFY2(!t.contains(QStringLiteral("nan"), Qt::CaseInsensitive) &&
                     !t.contains(QStringLiteral("inf")),
                 qPrintable(t));
    // With nothing to share out, a grey disc fills the place of the pie.
    if (total == 0)
        QVERIFY(CountColour(p.image, QColor(0xe4, 0xe4, 0xe4), plot) > 1000);
}

void TestQtChartfx::view3D_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QSize>("size");
    for (int rows : {1, 3, 14, 40})
        for (QSize size : {QSize(609, 329), QSize(1200, 650), QSize(1085, 730)})
            QTest::addRow("%d rows %dx%d", rows, size.width(), size.height()) << rows << size;
}

void TestQtChartfx::view3D() {
    QFETCH(int, rows);
    QFETCH(QSize, size);
    const ChartModel chart = Model3D(rows);
    const Chart3DView view(chart, size);
    QCOMPARE(view.rows(), rows);
    QCOMPARE(view.points(), 24);

    // Everything fits, with room for the titles above and the hour labels below.
    const QRectF box = view.boxBounds();
    QVERIFY(QRectF(0, 0, size.width(), size.height()).contains(box));
    QVERIFY(box.width() > size.width() * 0.6);
    QVERIFY(box.height() > size.height() * 0.4);
    // Bars keep at least half the height of the box, however many rows there are.
    const double barHeight = view.project(0, 0, 0).y() - view.project(0, 0, view.axisTop()).y();
    QVERIFY(barHeight >= box.height() * 0.45);

    // Labelled rows are a legend's line apart.
    const double lineHeight = QFontMetricsF(chartstyle::LegendFont()).height();
    const double rise = view.project(24, 0, 0).y() - view.project(24, view.rowLabelStep(), 0).y();
    QVERIFY2(rise >= lineHeight - 0.01, qPrintable(QString::number(rise)));
    if (rows <= 14 && size.height() >= 650)
        QCOMPARE(view.rowLabelStep(), 1);
    if (rows <= 3)
        QCOMPARE(view.rowLabelStep(), 1);

    // The front row's tallest bar is drawn where the projection puts it.
    const Painted p = Paint(chart, size);
    QVERIFY(!p.drawing->scene());
    const QColor front = chartstyle::SeriesColor(0, rows);
    const QPointF topEdge = view.project(5.5, 0.5 - 0.35, 290);
    QCOMPARE(p.image.pixel(topEdge.toPoint() + QPoint(0, 3)), front.rgb());
    QVERIFY(CountColour(p.image, front, box.toRect()) > 20);
    // Each labelled row shows its colour in the legend.
    for (int r = 0; r < rows; r += view.rowLabelStep())
        QVERIFY2(CountColour(p.image, chartstyle::SeriesColor(r, rows), p.image.rect()) > 0,
                 qPrintable(QString::number(r)));
}

void TestQtChartfx::gapsWidenTheMargins_data() {
    QTest::addColumn<ChartModel>("chart");
    QTest::addRow("bars") << BarModel(FloorLabels(14), 2);
    QTest::addRow("pie") << PieModel({10, 20, 30, 40});
    QTest::addRow("3-D") << Model3D(14);
}

void TestQtChartfx::gapsWidenTheMargins() {
    QFETCH(ChartModel, chart);
    for (QSize size : {QSize(609, 329), QSize(1085, 730)}) {
        ChartModel screen = chart;
        ChartModel paper = chart;
        paper.topGap = paper.bottomGap = 200;
        const QRect onScreen = InkBounds(Paint(screen, size).image);
        const QRect onPaper = InkBounds(Paint(paper, size).image);
        const int h = size.height();
        // Gaps are thousandths of the height: 40 leaves 4 %, 200 a fifth, top and bottom.
        QVERIFY(onScreen.top() >= 0.04 * h - 1 && onScreen.top() < 0.04 * h + 12);
        QVERIFY(onPaper.top() >= 0.2 * h - 1 && onPaper.top() < 0.2 * h + 12);
        QVERIFY(onScreen.bottom() <= h - 0.04 * h + 1);
        QVERIFY(onPaper.bottom() <= h - 0.2 * h + 1);
        QVERIFY(onPaper.bottom() < onScreen.bottom() - 0.1 * h);
    }
}

void TestQtChartfx::widgetDrawsWhatIsShown() {
    StatisticsStore store;
    LoadStatisticsFile(store, GS_EXAMPLES "/buerohaus-14.csv");
    QtChartfx control;
    control.resize(609, 329);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    QImage previous;
    for (ChartId id : {ChartId::count, ChartId::Verteil, ChartId::RufeZeitEt}) {
        DrawChart(id, store, control);
        const QImage expected = ChartImage(control.shown(), control.size());
        // The widget paints shown(), nothing else, and nothing stale.
        QCOMPARE(control.grab().toImage().convertToFormat(QImage::Format_RGB32), expected);
        QCOMPARE(control.renderImage(control.size()), expected);
        QVERIFY(expected != previous);
        previous = expected;
    }
    // A gap changes the shown chart at once.
    control.SetTopGap(200);
    QCOMPARE(control.grab().toImage().convertToFormat(QImage::Format_RGB32),
             ChartImage(control.shown(), control.size()));
    QVERIFY(control.renderImage(control.size()) != previous);
}

void TestQtChartfx::printWithoutPrinter() {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this machine has a printer");
    QtChartfx control;
    control.SetTopGap(200);
    try {
        control.PrintChart();
        QFAIL("PrintChart without a printer did not throw");
    } catch (const std::runtime_error& e) {
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Kein Drucker installiert."));
    }
    QCOMPARE(control.TopGap(), std::int16_t{200});
}

void TestQtChartfx::printToAFileThatCannotBeWritten() {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/chart.pdf"));
    QtChartfx control;
    control.setPrinter(&printer);
    try {
        control.PrintChart();
        QFAIL("PrintChart into a missing folder did not throw");
    } catch (const std::runtime_error& e) {
        const QString text = QString::fromUtf8(e.what());
        QVERIFY2(text.contains(QStringLiteral("/nonexistent-folder/chart.pdf")) &&
                     text.contains(QStringLiteral("kann nicht geschrieben werden")),
                 qPrintable(text));
    }
}

void TestQtChartfx::printToPdf() {
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("chart.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageOrientation(QPageLayout::Portrait);

    StatisticsStore store;
    LoadStatisticsFile(store, GS_EXAMPLES "/hochhaus-40.csv");
    QtChartfx control;
    control.setPrinter(&printer);
    DrawChart(ChartId::count, store, control);
    QCOMPARE(control.PrintChart(), 1);

    const auto pages = PdfPages(path.toStdString());
    QCOMPARE(pages.size(), std::size_t{1});
    QVERIFY2(pages[0].width > pages[0].height, "not landscape");
    // Vector output: the labels are text in the PDF, not pixels.
    const std::string text = RunCommand("pdftotext '" + path.toStdString() + "' - 2>/dev/null");
    QVERIFY2(text.find("Etagen") != std::string::npos, text.c_str());
    QVERIFY(text.find("KG") != std::string::npos);
}

QTEST_MAIN(TestQtChartfx)
#include "test_qtchartfx.moc"
