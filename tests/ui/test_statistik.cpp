// The main window: controls, enabled states, the open-file flow, chart buttons, cover sheet and
// its print, the last folder.
#include "charts.h"
#include "coverprint.h"
#include "coversheet.h"
#include "errorrecorder.h"
#include "qtchartfx.h"
#include "reader.h"
#include "recordingchartfx.h"
#include "statchart.h"
#include "statetag.h"
#include "statistik.h"
#include "testfiles.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <memory>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString RunTool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(tool);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PdfPages(const QString& pdf) {
    for (const QString& line : RunTool("pdfinfo", {pdf}).split('\n'))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

// The buttons of the window that are enabled, by name.
QStringList EnabledButtons(const Thaupt& w) {
    QStringList names;
    for (const QToolButton* b : w.findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly))
        if (b->isEnabled())
            names << b->objectName();
    names.sort();
    return names;
}

QStringList Sorted(QStringList names) {
    names.sort();
    return names;
}

const QStringList kAtStart = {"ExitBtn", "OpenBtn", "PrintBtn"};
const QStringList kAfterLoad = {
    "ExitBtn",    "OpenBtn",        "PrintBtn",      "count_hourBtn",  "count_hour_abBtn",
    "countBtn",   "count_a_aufBtn", "count_a_abBtn", "count_b_aufBtn", "count_b_abBtn",
    "VerteilBtn", "TravelBtn",      "RufeZeitEtBtn"};

// A chart control that counts how often the chart window was asked to show itself.
struct ChartWindowStub {
    RecordingChartfx chart;
    int shows = 0;
};

} // namespace

class TestStatistik : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> config; // one configuration folder per test
    std::unique_ptr<TempDir> files;
    StatisticsStore store;
    std::unique_ptr<TEtageDlg> etage;
    std::unique_ptr<Thaupt> w;
    ChartWindowStub chartWindow;
    QString nextFile; // what the stubbed open dialog returns
    int dialogRuns = 0;
    QString dialogFolder; // where the open dialog would have started

    // A window as the program builds it, with the seams pointing at the stubs.
    void Create() {
        w = std::make_unique<Thaupt>(store);
        w->SetChartWindow([this]() -> TChartfx& {
            ++chartWindow.shows;
            return chartWindow.chart;
        });
        w->SetFileChooser([this](QFileDialog& dialog) {
            ++dialogRuns;
            dialogFolder = dialog.directory().absolutePath();
            return nextFile;
        });
    }

    void Open(const std::string& path) {
        nextFile = Q(path);
        QTest::mouseClick(w->OpenBtn, Qt::LeftButton);
    }

    std::string WriteFile(const std::string& name, const std::string& bytes) {
        return files->write(name, bytes);
    }

    std::unique_ptr<TempDir> qtSettings;

private slots:
    void initTestCase() {
        // The open dialog keeps its own state in Qt's settings, whose folder Qt fixes on first
        // use; one folder for the whole run keeps it out of the user's and the removed ones.
        qtSettings = std::make_unique<TempDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           Q(qtSettings->path().string()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           Q(qtSettings->path().string()));
    }
    void cleanupTestCase() { qtSettings.reset(); }

    void init() {
        config = std::make_unique<TempDir>();
        files = std::make_unique<TempDir>();
        qputenv("XDG_CONFIG_HOME", config->path().string().c_str());
        store = StatisticsStore();
        etage = std::make_unique<TEtageDlg>(store);
        EtageDlg = etage.get();
        chartWindow.chart = RecordingChartfx();
        chartWindow.shows = 0;
        nextFile.clear();
        dialogRuns = 0;
        Create();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanup() {
        w.reset();
        EtageDlg = nullptr;
        etage.reset();
        files.reset();
        config.reset();
    }

    void controlsAsBuilt() {
        QCOMPARE(w->windowTitle(), QStringLiteral("QVL Gruppenstatistik"));
        struct Place {
            const char* name;
            QRect rect;
        };
        const Place places[] = {
            {"Bevel1", {16, 16, 521, 41}},          {"ExitBtn", {24, 24, 25, 25}},
            {"OpenBtn", {56, 24, 25, 25}},          {"PrintBtn", {88, 24, 25, 25}},
            {"PrinterSetupBtn", {120, 24, 25, 25}}, {"Bevel2", {216, 64, 321, 345}},
            {"DatenMemo", {224, 72, 305, 329}},     {"LogoImage", {248, 336, 97, 57}},
        };
        for (const Place& p : places) {
            const QWidget* c = w->findChild<QWidget*>(p.name);
            QVERIFY2(c, p.name);
            QCOMPARE(c->geometry(), p.rect);
        }
        const struct {
            QToolButton* button;
            const char* hint;
        } hints[] = {{w->ExitBtn, "Exit"},
                     {w->OpenBtn, "Statistik File öffnen"},
                     {w->PrintBtn, "Deckblatt drucken"},
                     {w->PrinterSetupBtn, "Drucker einrichten"}};
        for (const auto& h : hints) {
            QCOMPARE(h.button->toolTip(), QString::fromUtf8(h.hint));
            QVERIFY(h.button->autoRaise());
            QCOMPARE(h.button->focusPolicy(), Qt::NoFocus);
            QVERIFY(!h.button->icon().isNull());
        }
        const char* captions[] = {
            "Außenrufe über Uhrzeit ",   "Auf/Ab-Rufe über Uhrzeit ", "Wartezeiten über Etage",
            "Alle Außenrufe über Etage", "Außenrufe Tür A Auf",       "Außenrufe Tür A Ab",
            "Außenrufe Tür B Auf",       "Außenrufe Tür B Ab",        "Rufverteilung",
            "überfahrene Etagen",        "Rufe über Zeit und Etagen"};
        for (std::size_t i = 0; i < kAllCharts.size(); ++i) {
            const ChartId id = kAllCharts[i];
            const QString stem = QString::fromLatin1(ChartStem(id));
            QToolButton* b = w->findChild<QToolButton*>(stem + "Btn");
            QToolButton* h = w->findChild<QToolButton*>(stem + "Haken");
            QVERIFY(b && h);
            QCOMPARE(b, w->ChartButton(id));
            QCOMPARE(h, w->CheckMark(id));
            const int top = 72 + 24 * static_cast<int>(i);
            QCOMPARE(b->geometry(), QRect(24, top, 145, 25));
            QCOMPARE(h->geometry(), QRect(176, top, 25, 25));
            QCOMPARE(b->text(), QString::fromUtf8(captions[i]));
            QCOMPARE(b->font().family(), QStringLiteral("Arial"));
            QCOMPARE(b->font().pointSize(), 8);
            QCOMPARE(b->palette().color(QPalette::Active, QPalette::ButtonText), QColor(Qt::blue));
            QVERIFY(b->autoRaise() && h->autoRaise());
            QCOMPARE(h->iconSize(), QSize(18, 18));
            // Green when enabled, grey when not: two different pictures.
            const QImage on = h->icon().pixmap(18, 18, QIcon::Normal).toImage();
            const QImage off = h->icon().pixmap(18, 18, QIcon::Disabled).toImage();
            QVERIFY(!on.isNull() && on != off);
        }
        QCOMPARE(w->Label1->text(), QStringLiteral("     "));
        QCOMPARE(w->Label1->pos(), QPoint(208, 32));
        QVERIFY(!w->Label1->isEnabled());
        QCOMPARE(w->VersionsLabel->text(), QStringLiteral("V1.3 "));
        QCOMPARE(w->VersionsLabel->pos(), QPoint(504, 32));
        QVERIFY(!w->VersionsLabel->isEnabled());
        QCOMPARE(w->DatenMemo->toolTip(),
                 QStringLiteral("hier können Deckblattdaten eingetragen werden"));
        QCOMPARE(w->DatenMemo->font().family(), QStringLiteral("Arial"));
        QVERIFY(w->DatenMemo->font().bold());
        QCOMPARE(w->DatenMemo->font().pointSize(), 10);
        QCOMPARE(w->DatenMemo->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
        QVERIFY(w->DatenMemo->toPlainText().isEmpty());
        QCOMPARE(w->LogoImage->pixmap().size(), QSize(360, 147));
        // The memo covers the logo.
        QVERIFY(w->childAt(300, 360) != w->LogoImage);
        // Only the memo takes the keyboard focus.
        for (const QWidget* c : w->findChildren<QWidget*>())
            if (c->focusPolicy() != Qt::NoFocus && c->isVisible() && c->isWindow() == false &&
                c != w->DatenMemo && c->parentWidget() == w.get())
                QFAIL(qPrintable(c->objectName() + " takes the focus"));
        QCOMPARE(w->OpenDlg->nameFilters(), QStringList{"Statistik-Files (*.csv)"});
        QCOMPARE(w->OpenDlg->fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(w->OpenDlg->defaultSuffix(), QStringLiteral("csv"));
    }

    void enabledStatesThroughASession() {
        const std::string file = WriteFile("stat.csv", WorkedExampleFile());
        QCOMPARE(EnabledButtons(*w), Sorted(kAtStart));
        // Nothing happens on the chart buttons that are disabled.
        QTest::mouseClick(w->countBtn, Qt::LeftButton);
        QCOMPARE(chartWindow.shows, 0);

        Open(file);
        QCOMPARE(EnabledButtons(*w), Sorted(kAfterLoad));

        QTest::mouseClick(w->countBtn, Qt::LeftButton);
        QCOMPARE(EnabledButtons(*w), Sorted(kAfterLoad + QStringList{"w_timeBtn", "countHaken"}));

        QTest::mouseClick(w->w_timeBtn, Qt::LeftButton);
        QCOMPARE(EnabledButtons(*w),
                 Sorted(kAfterLoad + QStringList{"w_timeBtn", "countHaken", "w_timeHaken"}));

        // A second load of the same file is a full load.
        w->DatenMemo->setPlainText(QStringLiteral("Kunde: Müller"));
        etage->close();
        Open(file);
        QCOMPARE(EnabledButtons(*w), Sorted(kAfterLoad));
        QVERIFY(w->DatenMemo->toPlainText().startsWith(QLatin1String("QVL Gruppenstatistik ")));
        QVERIFY(etage->isVisible());
        QVERIFY(!w->PrinterSetupBtn->isEnabled());
    }

    void chartButtons_data() {
        QTest::addColumn<int>("chart");
        for (const ChartId id : kAllCharts)
            QTest::newRow(ChartStem(id)) << static_cast<int>(id);
    }
    void chartButtons() {
        QFETCH(int, chart);
        const auto id = static_cast<ChartId>(chart);
        Open(WriteFile("stat.csv", UniformFile(5, 3)));
        if (id == ChartId::w_time)
            QTest::mouseClick(w->countBtn, Qt::LeftButton);
        const QStringList before = EnabledButtons(*w);
        const int shows = chartWindow.shows;

        QTest::mouseClick(w->ChartButton(id), Qt::LeftButton);
        QCOMPARE(chartWindow.shows, shows + 1);
        // The chart drawn is the one the chart code draws for this button.
        StatisticsStore copy = store;
        RecordingChartfx expected;
        DrawChart(id, copy, expected);
        QCOMPARE(Q(chartWindow.chart.shown().heading()), Q(expected.shown().heading()));
        QCOMPARE(chartWindow.chart.shown().axisMax, expected.shown().axisMax);
        QVERIFY(chartWindow.chart.shown().categories == expected.shown().categories);
        QCOMPARE(chartWindow.chart.shown().series.size(), expected.shown().series.size());
        QVERIFY(!expected.shown().heading().empty());

        QStringList now = before;
        now << QString::fromLatin1(ChartStem(id)) + "Haken";
        if (id == ChartId::count)
            now << "w_timeBtn";
        now.removeDuplicates();
        QCOMPARE(EnabledButtons(*w), Sorted(now));
        // Pressing it again leaves its check mark on.
        QTest::mouseClick(w->ChartButton(id), Qt::LeftButton);
        QCOMPARE(EnabledButtons(*w), Sorted(now));
    }

    void drawsIntoTheRealChartWindow() {
        // As the program wires it: the global chart window, shown by the first chart button.
        TStatDlg statDlg;
        StatDlg = &statDlg;
        w->SetChartWindow(StatDlgChartWindow());
        Open(WriteFile("stat.csv", WorkedExampleFile()));
        QVERIFY(!statDlg.isVisible());
        QTest::mouseClick(w->TravelBtn, Qt::LeftButton);
        QVERIFY(statDlg.isVisible());
        StatisticsStore copy = store;
        RecordingChartfx expected;
        DrawChart(ChartId::Travel, copy, expected);
        QCOMPARE(Q(statDlg.StatChart->shown().heading()), Q(expected.shown().heading()));
        QVERIFY(statDlg.StatChart->shown().series.size() == expected.shown().series.size());
        QVERIFY(w->TravelHaken->isEnabled());
        // Closed, it comes back with the next chart.
        statDlg.close();
        QTest::mouseClick(w->VerteilBtn, Qt::LeftButton);
        QVERIFY(statDlg.isVisible());
        QVERIFY(w->VerteilHaken->isEnabled());
        StatDlg = nullptr;
        // Without a chart window the button says so and sets no check mark.
        ErrorRecorder errors;
        QTest::mouseClick(w->count_hourBtn, Qt::LeftButton);
        QCOMPARE(errors.texts, QStringList{"Das Diagrammfenster ist nicht vorhanden."});
        QVERIFY(!w->count_hourHaken->isEnabled());
    }

    void failingChartLeavesItsCheckMark() {
        ErrorRecorder errors;
        Open(WriteFile("stat.csv", WorkedExampleFile()));
        w->SetChartWindow([]() -> TChartfx& { throw std::runtime_error("Kein Diagramm"); });
        QTest::mouseClick(w->VerteilBtn, Qt::LeftButton);
        QCOMPARE(errors.texts, QStringList{"Kein Diagramm."});
        QVERIFY(!w->VerteilHaken->isEnabled());
    }

    void cancellingTheOpenDialogChangesNothing_data() {
        QTest::addColumn<bool>("loadedBefore");
        QTest::addColumn<QString>("answer");
        QTest::newRow("before a load, cancelled") << false << "";
        QTest::newRow("before a load, *.csv") << false << "*.csv";
        QTest::newRow("after a load, cancelled") << true << "";
        QTest::newRow("after a load, *.csv") << true << "*.csv";
    }
    void cancellingTheOpenDialogChangesNothing() {
        QFETCH(bool, loadedBefore);
        QFETCH(QString, answer);
        if (loadedBefore) {
            Open(WriteFile("stat.csv", WorkedExampleFile()));
            QTest::mouseClick(w->countBtn, Qt::LeftButton);
            etage->close();
        }
        w->DatenMemo->setPlainText(QStringLiteral("Kunde: Meier AG"));
        const QStringList buttons = EnabledButtons(*w);
        const QString label = w->Label1->text();
        const std::string fileName = store.FileName.str();
        const std::string lastDir = store.LastDir.str();
        const int floors = store.FloorCount;
        const int runs = dialogRuns;

        nextFile = answer;
        QTest::mouseClick(w->OpenBtn, Qt::LeftButton);
        QCOMPARE(dialogRuns, runs + 1);
        QCOMPARE(EnabledButtons(*w), buttons);
        QCOMPARE(w->DatenMemo->toPlainText(), QStringLiteral("Kunde: Meier AG"));
        QCOMPARE(w->Label1->text(), label);
        QCOMPARE(store.FileName.str(), fileName);
        QCOMPARE(store.LastDir.str(), lastDir);
        QCOMPARE(int(store.FloorCount), floors);
        QVERIFY(!etage->isVisible());
    }

    void openDialogStartsInTheLastFolder() {
        QTest::mouseClick(w->OpenBtn, Qt::LeftButton);
        QCOMPARE(dialogFolder, QDir(Thaupt::DefaultFolder()).absolutePath());
        Open(WriteFile("stat.csv", WorkedExampleFile()));
        // The start folder is set once at start-up; the next start uses the new folder.
        w->close();
        Create();
        QTest::mouseClick(w->OpenBtn, Qt::LeftButton);
        QCOMPARE(dialogFolder, QDir(Q(files->path().string())).absolutePath());
    }

    void badFieldKeepsOldFiguresAndCoverSheet() {
        ErrorRecorder errors;
        Open(WriteFile("good.csv", WorkedExampleFile()));
        QTest::mouseClick(w->countBtn, Qt::LeftButton);
        etage->close();
        w->DatenMemo->appendPlainText(QStringLiteral("Kunde: Schulz"));
        const QString memo = w->DatenMemo->toPlainText();
        const auto callStat = store.CallStat;
        const auto travel = store.TravelCount;

        std::string bad = WorkedExampleFile();
        bad.replace(bad.find(";410;"), 5, ";4x0;");
        TempDir other;
        const std::string badPath = other.write("bad.csv", bad);
        Open(badPath);

        QCOMPARE(errors.texts, QStringList{"'4x0' ist kein gültiger Integerwert."});
        QCOMPARE(w->DatenMemo->toPlainText(), memo);
        QCOMPARE(int(store.FloorCount), 2);
        QVERIFY(store.CallStat == callStat);
        QVERIFY(store.TravelCount == travel);
        QVERIFY(!etage->isVisible());
        // What was done before the parse stays done.
        QCOMPARE(Q(store.FileName.str()), Q(badPath));
        QCOMPARE(w->Label1->text(), Q(other.path().string()));
        QCOMPARE(EnabledButtons(*w), Sorted(kAfterLoad));
    }

    void unreadableFileIsReported() {
        ErrorRecorder errors;
        const std::string missing = files->file("weg.csv");
        Open(missing);
        QCOMPARE(errors.texts, QStringList{"Datei nicht gefunden."});
        QCOMPARE(w->Label1->text(), Q(files->path().string()));
        QCOMPARE(EnabledButtons(*w), Sorted(kAtStart)); // the buttons follow the read only
    }

    void coverSheetAfterALoad() {
        const std::string path = WriteFile("s.csv", WorkedExampleFile());
        w->DatenMemo->setPlainText(QStringLiteral("getippt"));
        Open(path);
        // The worked example: 7+3+9+2 calls on floor 1, 0+5+12+0 on floor 2.
        const QStringList expected = {"QVL Gruppenstatistik ",
                                      "",
                                      "Kunde: ",
                                      "",
                                      "Kommission: ",
                                      "",
                                      "Datei: " + Q(path),
                                      "",
                                      "Anzahl Stockwerke: 2",
                                      "",
                                      "Statistik Start:   01.12.26 06:00",
                                      "",
                                      "Statistik Stop:   07.12.26 18:00",
                                      "",
                                      "Summe der Außenrufe:   38",
                                      ""};
        QCOMPARE(w->DatenMemo->toPlainText().split('\n'), expected);
        const QStringList shown = w->CoverLines();
        QCOMPARE(shown, WrapLikeMemo(expected));
        QVERIFY(shown.size() >= 16);
        QCOMPARE(shown.join(QString()), expected.join(QString()));
    }

    void printsTheCoverSheet_data() {
        QTest::addColumn<bool>("loaded");
        QTest::newRow("empty memo at start") << false;
        QTest::newRow("after a load") << true;
    }
    void printsTheCoverSheet() {
        QFETCH(bool, loaded);
        const QString pdf = Q(files->file("deckblatt.pdf"));
        w->SetPrinterSource([pdf] {
            auto printer = std::make_unique<QPrinter>();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return printer;
        });
        if (loaded) {
            Open(WriteFile("s.csv", WorkedExampleFile()));
            w->DatenMemo->appendPlainText(QStringLiteral("Kunde: Bäcker & Söhne"));
        }
        ErrorRecorder errors;
        QTest::mouseClick(w->PrintBtn, Qt::LeftButton);
        QVERIFY2(errors.texts.isEmpty(), qPrintable(errors.texts.join('|')));
        QCOMPARE(PdfPages(pdf), 1);
        const QString text = RunTool("pdftotext", {pdf, "-"});
        if (!loaded) {
            QCOMPARE(text.trimmed(), QString());
            return;
        }
        for (const char* piece : {"QVL Gruppenstatistik", "Anzahl Stockwerke: 2",
                                  "Summe der Außenrufe:", "38", "Kunde: Bäcker & Söhne"})
            QVERIFY2(text.contains(QString::fromUtf8(piece)), qPrintable(text));
    }

    void printingWithoutPrinterIsAGermanError() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed here");
        ErrorRecorder errors;
        QTest::mouseClick(w->PrintBtn, Qt::LeftButton);
        QCOMPARE(errors.texts, QStringList{"Kein Drucker installiert."});
    }

    void lastFolderAcrossTwoRuns() {
        ErrorRecorder errors;
        // First run: no last-directory file yet, which is no error.
        w.reset();
        Create();
        QVERIFY(errors.texts.isEmpty());
        QCOMPARE(w->Label1->text(), QStringLiteral("     "));
        Open(WriteFile("stat.csv", WorkedExampleFile()));
        QSignalSpy closed(w.get(), &Thaupt::closed);
        QTest::mouseClick(w->ExitBtn, Qt::LeftButton);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!w->isVisible());
        const std::string saved = ReadBytes(config->file("gruppenstatistik/default.sta"));
        QCOMPARE(Q(saved), Q(files->path().string()));

        // Second run.
        w.reset();
        store = StatisticsStore();
        Create();
        QVERIFY(errors.texts.isEmpty());
        QCOMPARE(Q(store.LastDir.str()), Q(files->path().string()));
        QCOMPARE(w->Label1->text(), Q(files->path().string()));
        QCOMPARE(w->OpenDlg->directory().absolutePath(), Q(files->path().string()));
    }

    void emptyLastDirectoryFile() {
        ErrorRecorder errors;
        w->close(); // writes an empty folder
        QCOMPARE(Q(ReadBytes(config->file("gruppenstatistik/default.sta"))), QString());
        Create();
        QVERIFY(errors.texts.isEmpty());
        QCOMPARE(w->Label1->text(), QString());
    }

    void unreadableLastDirectoryFileIsReported() {
        // A folder where the file should be: reading fails with something else than "missing".
        std::filesystem::create_directories(config->path() / "gruppenstatistik" / "default.sta");
        ErrorRecorder errors;
        w.reset();
        Create();
        QCOMPARE(errors.texts.size(), 1);
        QVERIFY(!errors.texts[0].isEmpty());
        QVERIFY(errors.texts[0] != QStringLiteral("Datei nicht gefunden."));
        // The window is built and works all the same.
        QCOMPARE(w->Label1->text(), QStringLiteral("     "));
        QCOMPARE(EnabledButtons(*w), Sorted(kAtStart));
    }

    void failedWriteOnCloseIsReportedAndTheWindowCloses() {
        std::filesystem::create_directories(config->path() / "gruppenstatistik" / "default.sta");
        ErrorRecorder errors;
        QSignalSpy closed(w.get(), &Thaupt::closed);
        QVERIFY(w->close());
        QCOMPARE(errors.texts.size(), 1);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!w->isVisible());
    }

    void loadWhileTheFloorNamesDialogIsOpen() {
        Open(WriteFile("drei.csv", UniformFile(3)));
        QVERIFY(etage->isVisible());
        QCOMPARE(etage->BuiltCount(), 3);
        etage->findChild<QLineEdit*>("EtEdit1")->setText(QStringLiteral("verworfen"));

        Open(WriteFile("sechzehn.csv", UniformFile(16)));
        QVERIFY(etage->isVisible());
        QCOMPARE(etage->BuiltCount(), 16);
        QCOMPARE(etage->findChildren<QLineEdit*>().size(), 16);
        QCOMPARE(etage->findChild<QLineEdit*>("EtEdit1")->text(), QStringLiteral("KG"));
        QCOMPARE(Q(store.FloorNames[0].str()), QStringLiteral("KG"));

        // OK now names the floors of the new file.
        etage->findChild<QLineEdit*>("EtEdit16")->setText(QStringLiteral("Dach"));
        QTest::mouseClick(etage->OKBtn, Qt::LeftButton);
        QCOMPARE(Q(store.FloorNames[15].str()), QStringLiteral("Dach"));
        // ...and the names reach the charts drawn afterwards.
        QTest::mouseClick(w->countBtn, Qt::LeftButton);
        const auto& legends = chartWindow.chart.shown().categories;
        QVERIFY(legends.size() >= 16);
        QCOMPARE(Q(legends[15]), QStringLiteral("Dach"));
    }
};

QTEST_MAIN(TestStatistik)
#include "test_statistik.moc"
