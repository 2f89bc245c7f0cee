// The chart window: its controls, showing and hiding, printing with the gaps of paper.
#include "charts.h"
#include "errorrecorder.h"
#include "pdftools.h"
#include "qtchartfx.h"
#include "reader.h"
#include "statchart.h"
#include "testfiles.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <fstream>
#include <stdexcept>

namespace {

// A printer writing a PDF file instead of paper.
std::unique_ptr<QPrinter> PdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

// Rows of a greyscale PGM (P5) picture, top to bottom; empty when unreadable.
std::vector<std::string> PgmRows(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int width = 0;
    int height = 0;
    int maxval = 0;
    in >> magic >> width >> height >> maxval;
    in.get();
    std::vector<std::string> rows;
    if (magic != "P5" || width <= 0 || height <= 0)
        return rows;
    for (int y = 0; y < height; ++y) {
        std::string row(static_cast<std::size_t>(width), '\0');
        in.read(row.data(), width);
        rows.push_back(row);
    }
    return rows;
}

// First and last row with any dark pixel, as fractions of the height.
std::pair<double, double> InkRows(const std::vector<std::string>& rows) {
    int first = -1;
    int last = -1;
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (char c : rows[static_cast<std::size_t>(y)])
            if (static_cast<unsigned char>(c) < 200) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
    const double h = static_cast<double>(rows.size());
    return {first / h, last / h};
}

} // namespace

class TestStatChart : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowAndControls();
    void buttonPictures();
    void showChartShowsOrRaises();
    void okHidesAndKeepsTheChart();
    void enterAndEscapeDoNotPressOK();
    void chartGrowsWithTheWindow();
    void printUsesPaperGapsThenScreenGaps_data();
    void printUsesPaperGapsThenScreenGaps();
    void printButtonPrints();
    void failedPrintLeavesPaperGaps();
    void printButtonErrorGoesToTheErrorBox();
    void printWithoutPrinterSaysSo();

private:
    TStatDlg* dlg_ = nullptr;
    StatisticsStore store_;
};

void TestStatChart::init() {
    dlg_ = new TStatDlg;
    StatDlg = dlg_;
    LoadStatisticsFile(store_, GS_EXAMPLES "/buerohaus-14.csv");
}

void TestStatChart::cleanup() {
    delete dlg_;
    dlg_ = nullptr;
    StatDlg = nullptr;
}

void TestStatChart::windowAndControls() {
    QCOMPARE(dlg_->windowTitle(), QStringLiteral("StatDlg"));
    QVERIFY(dlg_->isWindow());
    QVERIFY(!dlg_->isVisible()); // hidden until the first chart
    QCOMPARE(dlg_->size(), TStatDlg::kClientSize);
    QCOMPARE(dlg_->minimumSize(), TStatDlg::kClientSize);
    QCOMPARE(dlg_->StatChart->geometry(), QRect(16, 24, 609, 329));
    QCOMPARE(dlg_->PrintBtn->geometry(), QRect(488, 360, 25, 25));
    QCOMPARE(dlg_->OKBtn->geometry(), QRect(528, 360, 73, 25));
    QCOMPARE(dlg_->PrintBtn->toolTip(), QStringLiteral("Diagramm drucken"));
    QVERIFY(dlg_->PrintBtn->autoRaise());
    QCOMPARE(dlg_->PrintBtn->focusPolicy(), Qt::NoFocus);
    QCOMPARE(dlg_->OKBtn->text(), QStringLiteral("OK"));
    QCOMPARE(dlg_->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(dlg_->font().pointSize(), 8);
    // Before the first print the gaps are the screen's.
    QCOMPARE(dlg_->StatChart->TopGap(), std::int16_t{40});
    QCOMPARE(dlg_->StatChart->BottomGap(), std::int16_t{40});
}

void TestStatChart::buttonPictures() {
    struct Case {
        QAbstractButton* button;
        QSize size;
    };
    for (const Case& c : {Case{dlg_->PrintBtn, QSize(16, 16)}, Case{dlg_->OKBtn, QSize(18, 18)}}) {
        QCOMPARE(c.button->iconSize(), c.size);
        const QImage enabled = c.button->icon().pixmap(c.size, QIcon::Normal).toImage();
        const QImage disabled = c.button->icon().pixmap(c.size, QIcon::Disabled).toImage();
        QVERIFY(!enabled.isNull() && !disabled.isNull());
        QVERIFY(enabled != disabled);
        // Not blank: the picture covers a good part of its square.
        int opaque = 0;
        for (int y = 0; y < enabled.height(); ++y)
            for (int x = 0; x < enabled.width(); ++x)
                opaque += qAlpha(enabled.pixel(x, y)) > 128;
        QVERIFY2(opaque > enabled.width() * enabled.height() / 8,
                 qPrintable(QString::number(opaque)));
    }
    // The check mark is green.
    const QImage ok = dlg_->OKBtn->icon().pixmap(QSize(18, 18)).toImage();
    int green = 0;
    for (int y = 0; y < ok.height(); ++y)
        for (int x = 0; x < ok.width(); ++x) {
            const QColor c = QColor::fromRgba(ok.pixel(x, y));
            green += c.alpha() > 128 && c.green() > c.red() + 40 && c.green() > c.blue() + 40;
        }
    QVERIFY(green > 10);
}

void TestStatChart::showChartShowsOrRaises() {
    dlg_->ShowChart();
    QVERIFY(QTest::qWaitForWindowExposed(dlg_));
    DrawChart(ChartId::count, store_, *dlg_->StatChart);
    const ChartModel first = dlg_->StatChart->shown();
    // A second chart redraws in the same window, which stays the only one.
    dlg_->ShowChart();
    DrawChart(ChartId::Verteil, store_, *dlg_->StatChart);
    QVERIFY(dlg_->isVisible());
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        windows += qobject_cast<TStatDlg*>(w) != nullptr;
    QCOMPARE(windows, 1);
    QCOMPARE(dlg_->StatChart->shown().chartType, std::int16_t{5});
    QVERIFY(first.chartType == 2);
}

void TestStatChart::okHidesAndKeepsTheChart() {
    dlg_->ShowChart();
    DrawChart(ChartId::w_time, store_, *dlg_->StatChart);
    const std::string heading = dlg_->StatChart->shown().heading();
    QTest::mouseClick(dlg_->OKBtn, Qt::LeftButton);
    QVERIFY(!dlg_->isVisible());
    QCOMPARE(dlg_->StatChart->shown().heading(), heading);
    // The next chart shows the window again.
    dlg_->ShowChart();
    DrawChart(ChartId::Travel, store_, *dlg_->StatChart);
    QVERIFY(dlg_->isVisible());
    QVERIFY(dlg_->StatChart->shown().heading() != heading);
}

void TestStatChart::enterAndEscapeDoNotPressOK() {
    dlg_->ShowChart();
    QVERIFY(QTest::qWaitForWindowExposed(dlg_));
    QSignalSpy clicks(dlg_->OKBtn, &QPushButton::clicked);
    for (QWidget* focus : {static_cast<QWidget*>(dlg_->StatChart), static_cast<QWidget*>(dlg_)}) {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
        QTest::keyClick(focus, Qt::Key_Enter);
        QTest::keyClick(focus, Qt::Key_Escape);
    }
    QCOMPARE(clicks.count(), 0);
    QVERIFY(dlg_->isVisible());
    QVERIFY(!dlg_->OKBtn->isDefault() && !dlg_->OKBtn->autoDefault());
}

void TestStatChart::chartGrowsWithTheWindow() {
    dlg_->ShowChart();
    struct Case {
        QSize window;
        QSize grown;
    };
    for (const Case& c :
         {Case{QSize(800, 600), QSize(168, 199)}, Case{QSize(632, 401), QSize(0, 0)},
          Case{QSize(1000, 401), QSize(368, 0)}}) {
        dlg_->resize(c.window);
        QCOMPARE(dlg_->StatChart->geometry(),
                 QRect(16, 24, 609 + c.grown.width(), 329 + c.grown.height()));
        QCOMPARE(
            dlg_->PrintBtn->geometry(),
            QRect(QPoint(488, 360) + QPoint(c.grown.width(), c.grown.height()), QSize(25, 25)));
        QCOMPARE(
            dlg_->OKBtn->geometry(),
            QRect(QPoint(528, 360) + QPoint(c.grown.width(), c.grown.height()), QSize(73, 25)));
    }
}

void TestStatChart::printUsesPaperGapsThenScreenGaps_data() {
    QTest::addColumn<int>("before");
    QTest::addRow("screen gaps before") << 40;
    QTest::addRow("other gaps before") << 123;
    QTest::addRow("paper gaps before (after a failed print)") << 200;
}

void TestStatChart::printUsesPaperGapsThenScreenGaps() {
    QFETCH(int, before);
    TempDir dir;
    const std::string path = dir.file("chart.pdf");
    const auto printer = PdfPrinter(QString::fromStdString(path));
    dlg_->StatChart->setPrinter(printer.get());
    DrawChart(ChartId::count, store_, *dlg_->StatChart);
    dlg_->StatChart->SetTopGap(static_cast<std::int16_t>(before));
    dlg_->StatChart->SetBottomGap(static_cast<std::int16_t>(before));

    dlg_->PrintBtnClick();

    QCOMPARE(dlg_->StatChart->TopGap(), std::int16_t{40});
    QCOMPARE(dlg_->StatChart->BottomGap(), std::int16_t{40});
    const auto pages = PdfPages(path);
    QCOMPARE(pages.size(), std::size_t{1});
    QVERIFY(pages[0].width > pages[0].height);
    // On paper the chart kept a fifth of the page free above and below.
    const auto rows = PgmRows(RenderPdfPage(path, 1, 30, dir.file("page")));
    QVERIFY(!rows.empty());
    const auto [first, last] = InkRows(rows);
    QVERIFY2(first >= 0.19 && first < 0.3, qPrintable(QString::number(first)));
    QVERIFY2(last <= 0.81 && last > 0.7, qPrintable(QString::number(last)));
}

void TestStatChart::printButtonPrints() {
    TempDir dir;
    const std::string path = dir.file("button.pdf");
    const auto printer = PdfPrinter(QString::fromStdString(path));
    dlg_->StatChart->setPrinter(printer.get());
    dlg_->ShowChart();
    DrawChart(ChartId::RufeZeitEt, store_, *dlg_->StatChart);
    QTest::mouseClick(dlg_->PrintBtn, Qt::LeftButton);
    QCOMPARE(PdfPages(path).size(), std::size_t{1});
    QCOMPARE(dlg_->StatChart->TopGap(), std::int16_t{40});
}

void TestStatChart::failedPrintLeavesPaperGaps() {
    const auto printer = PdfPrinter(QStringLiteral("/nonexistent-folder/chart.pdf"));
    dlg_->StatChart->setPrinter(printer.get());
    DrawChart(ChartId::count, store_, *dlg_->StatChart);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, dlg_->PrintBtnClick());
    QCOMPARE(dlg_->StatChart->TopGap(), std::int16_t{200});
    QCOMPARE(dlg_->StatChart->BottomGap(), std::int16_t{200});
    // The next print that succeeds sets them back.
    TempDir dir;
    const auto good = PdfPrinter(QString::fromStdString(dir.file("again.pdf")));
    dlg_->StatChart->setPrinter(good.get());
    dlg_->PrintBtnClick();
    QCOMPARE(dlg_->StatChart->TopGap(), std::int16_t{40});
    QCOMPARE(dlg_->StatChart->BottomGap(), std::int16_t{40});
}

void TestStatChart::printButtonErrorGoesToTheErrorBox() {
    ErrorRecorder errors;
    const auto printer = PdfPrinter(QStringLiteral("/nonexistent-folder/chart.pdf"));
    dlg_->StatChart->setPrinter(printer.get());
    dlg_->ShowChart();
    DrawChart(ChartId::Travel, store_, *dlg_->StatChart);
    QTest::mouseClick(dlg_->PrintBtn, Qt::LeftButton);
    QCOMPARE(errors.texts.size(), 1);
    QVERIFY2(errors.texts[0].contains(QStringLiteral("kann nicht geschrieben werden")),
             qPrintable(errors.texts[0]));
    QVERIFY(errors.texts[0].endsWith(QLatin1Char('.')));
    QCOMPARE(dlg_->StatChart->TopGap(), std::int16_t{200});
    QVERIFY(dlg_->isVisible()); // the window goes on
}

void TestStatChart::printWithoutPrinterSaysSo() {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this machine has a printer");
    DrawChart(ChartId::count, store_, *dlg_->StatChart);
    try {
        dlg_->PrintBtnClick();
        QFAIL("printing without a printer did not throw");
    } catch (const std::runtime_error& e) {
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Kein Drucker installiert."));
    }
    QCOMPARE(dlg_->StatChart->TopGap(), std::int16_t{200});
    QCOMPARE(dlg_->StatChart->BottomGap(), std::int16_t{200});
}

QTEST_MAIN(TestStatChart)
#include "test_statchart.moc"
