// The printed cover sheet, the logo and the memo's line breaks.
#include "coverprint.h"
#include "testfiles.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QtTest>

namespace {

// Text of a PDF as poppler's pdftotext gives it, keeping the layout.
QString PdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PdfPages(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return -1;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

// A canvas of the size of an A4 page at 300 dpi, white.
QImage Canvas() {
    QImage image(2480, 3508, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(11811); // 300 dpi
    image.setDotsPerMeterY(11811);
    return image;
}

// Rows of the canvas that hold any non-white pixel between x0 and x1.
QVector<int> InkedRows(const QImage& image, int x0, int x1) {
    QVector<int> rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < x1; ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                rows << y;
                break;
            }
    return rows;
}

} // namespace

class TestCoverPrint : public QObject {
    Q_OBJECT

private slots:
    void logoIsTheBitmapOfTheCoverSheet() {
        const QImage logo = LogoBitmap();
        QVERIFY(!logo.isNull());
        QCOMPARE(logo.size(), QSize(360, 147));
        QVERIFY(logo.colorCount() <= 256);
    }

    void logoLandsAtItsPlaceOnePixelPerPixel() {
        QImage logo(360, 147, QImage::Format_RGB32);
        logo.fill(Qt::black);
        logo.setDevicePixelRatio(2.0); // must not shrink it
        QImage page = Canvas();
        {
            QPainter painter(&page);
            PaintCoverSheet(painter, logo, {});
        }
        QCOMPARE(page.pixel(700, 700), qRgb(0, 0, 0));
        QCOMPARE(page.pixel(700 + 359, 700 + 146), qRgb(0, 0, 0));
        QCOMPARE(page.pixel(699, 700), qRgb(255, 255, 255));
        QCOMPARE(page.pixel(700 + 360, 700), qRgb(255, 255, 255));
        QCOMPARE(page.pixel(700, 700 + 147), qRgb(255, 255, 255));
        // An empty memo prints the logo alone.
        QVERIFY(InkedRows(page, 0, page.width()).size() == 147);
    }

    void linesStandAtTheirRowsAndStopAfter51_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("one line") << 1;
        QTest::newRow("16 lines") << 16;
        QTest::newRow("exactly 51") << 51;
        QTest::newRow("60 lines, 9 not printed") << 60;
    }
    void linesStandAtTheirRowsAndStopAfter51() {
        QFETCH(int, count);
        QStringList lines;
        for (int i = 0; i < count; ++i)
            lines << QStringLiteral("Hxg");
        QImage page = Canvas();
        {
            QPainter painter(&page);
            PaintCoverSheet(painter, QImage(), lines);
        }
        const QVector<int> rows = InkedRows(page, 690, 900);
        QVERIFY(!rows.isEmpty());
        const int printed = std::min(count, kCoverLineCount);
        // The first line's ink starts just below y 1000, the last ends within its 50 + a bit.
        QVERIFY(rows.first() >= 1000 && rows.first() < 1020);
        const int lastTop = 1000 + 50 * (printed - 1);
        QVERIFY2(rows.last() > lastTop && rows.last() < lastTop + 60,
                 qPrintable(QString::number(rows.last())));
        // Left-aligned at x 700: no ink left of it, ink right at it.
        QVERIFY(InkedRows(page, 0, 700).isEmpty());
        QVERIFY(!InkedRows(page, 700, 712).isEmpty());
    }

    void printsOnePageWithTheText() {
        TempDir dir;
        const QString pdf = QString::fromStdString(dir.file("deckblatt.pdf"));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        // A3, so that line 51 would still fit on the paper if it were printed.
        printer.setPageSize(QPageSize(QPageSize::A3));
        QStringList lines;
        for (int i = 0; i < 60; ++i)
            lines << QStringLiteral("Zeile %1").arg(i);
        lines[2] = QStringLiteral("Summe der Außenrufe:   4711");
        PrintCoverSheet(printer, LogoBitmap(), lines);
        QCOMPARE(printer.resolution(), 300);
        QCOMPARE(PdfPages(pdf), 1);
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Summe der Außenrufe: 4711")) ||
                     text.contains(QStringLiteral("Summe der Außenrufe:   4711")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Zeile 50")));
        QVERIFY(!text.contains(QStringLiteral("Zeile 51")));
    }

    void printerThatCannotBeginIsAGermanError() {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/nonexistent-folder/x/deckblatt.pdf"));
        try {
            PrintCoverSheet(printer, LogoBitmap(), {QStringLiteral("a")});
            QFAIL("no exception");
        } catch (const std::runtime_error& e) {
            QVERIFY(QString::fromUtf8(e.what()).contains(QStringLiteral("Druckauftrag")));
        }
    }

    void wrapsLikeTheMemoOnScreen_data() {
        QTest::addColumn<QStringList>("paragraphs");
        QTest::addColumn<int>("minLines");
        QTest::newRow("short lines") << QStringList{"QVL Gruppenstatistik ", "", "Kunde: "} << 3;
        QTest::newRow("long file name")
            << QStringList{"Datei: /home/ingenieur/Statistiken/Kunde Mueller "
                           "Bauabschnitt 3/Gruppe A/statistik-2026-12-07.csv",
                           ""}
            << 3;
        QTest::newRow("word longer than the memo")
            << QStringList{"Datei: " + QString(120, QLatin1Char('x'))} << 3;
    }
    void wrapsLikeTheMemoOnScreen() {
        QFETCH(QStringList, paragraphs);
        QFETCH(int, minLines);
        const QStringList wrapped = WrapLikeMemo(paragraphs);
        QVERIFY(wrapped.size() >= minLines);
        // Nothing lost, nothing added: the pieces put together are the paragraphs.
        QCOMPARE(wrapped.join(QString()), paragraphs.join(QString()));

        QPlainTextEdit memo;
        ConfigureMemo(memo);
        memo.setPlainText(paragraphs.join('\n'));
        memo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&memo));
        QCOMPARE(DisplayedLines(*memo.document()), wrapped);
    }
};

QTEST_MAIN(TestCoverPrint)
#include "test_coverprint.moc"
