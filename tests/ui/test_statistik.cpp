// The program's windows: the main window (controls, enabled states, the open-file flow, the
// cover sheet, the report, the last folder, keys, drops and the last files), the chart window,
// the key figures with a comparison, the floor names dialog and its names file, the places the
// windows are left at, and the error box.
#include "chartfx3/qtchartfx.h"
#include "chartfx3/recordingchartfx.h"
#include "charts/comparison.h"
#include "charts/figurestext.h"
#include "charts/keyfigures.h"
#include "statglob/floornames.h"
#include "statglob/lastdir.h"
#include "statglob/reader.h"
#include "statglob/text.h"
#include "tests/support/loadpath.h"
#include "tests/support/pdftools.h"
#include "tests/support/testfiles.h"
#include "ui/appsetup.h"
#include "ui/comparisonpanel.h"
#include "ui/coverprint.h"
#include "ui/errorbox.h"
#include "ui/gsapplication.h"
#include "ui/kennzahlen.h"
#include "ui/keyfigureaction.h"
#include "ui/memolines.h"
#include "ui/overviewaction.h"
#include "ui/program.h"
#include "ui/reportaction.h"
#include "ui/usersettings.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <filesystem>

namespace {

// poppler's pdfinfo and pdftotext are Linux programs, which a test under Wine cannot start: there
// a check ends before it reads the PDF it printed (make windows-test compares the report tool's
// PDF text with Linux's instead).
#ifdef _WIN32
#define READS_PDF() QSKIP("reads the PDF with poppler's Linux tools")
#else
#define READS_PDF()
#endif

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// The samples as a file chosen in the open dialog names them: absolute, on Windows with the
// drive (Z: under Wine).
const QString kExamples = QFileInfo(QString::fromUtf8(GS_EXAMPLES)).absoluteFilePath();
const std::string kSample = (kExamples + "/buerohaus-14.csv").toStdString();

QStringList Sorted(QStringList names) {
    names.sort();
    return names;
}

const QStringList kAtStart = {"ExitBtn", "OpenBtn", "PrintBtn", "UebersichtBtn"};
const QStringList kAfterLoad =
    kAtStart + QStringList{"ReportBtn",      "count_hourBtn", "count_hour_abBtn", "countBtn",
                           "count_a_aufBtn", "count_a_abBtn", "count_b_aufBtn",   "count_b_abBtn",
                           "VerteilBtn",     "TravelBtn",     "RufeZeitEtBtn",    "KennzahlenBtn",
                           "VergleichBtn"};

} // namespace

class TestStatistik : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> files, qtSettings; // the files, and the configuration in "config"
    StatisticsStore store;
    std::unique_ptr<TEtageDlg> etage;
    std::unique_ptr<Thaupt> w;
    RecordingChartfx chart; // the stubbed chart window's control
    QString nextFile;       // what the stubbed open dialog returns
    int dialogRuns = 0;
    QStringList nameBoxes;    // the open dialog's file-name box, as each run found it
    QStringList boxes;        // the texts the error box showed, recorded instead of a modal box
    QStringList notes;        // and the notes after a success
    QString proposed, chosen; // by and for the stubbed report dialog
    QStringList questions;    // the files the overwrite question named
    bool overwrite = true;    // its answer

    // A window as the program builds it (reading the last folder), with the stubs wired in.
    void Create() {
        w = std::make_unique<Thaupt>(store);
        w->SetChartWindow([this](Thaupt::ChartWindowUse) -> TChartfx* { return &chart; });
        w->SetFileChooser([this](QFileDialog& dialog) {
            ++dialogRuns;
            nameBoxes << dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            return nextFile;
        });
        w->Report().SetChooser([this](const QString& p) {
            proposed = p;
            return chosen;
        });
    }
    void Open(const std::string& path) {
        nextFile = Q(path);
        QTest::mouseClick(w->OpenBtn, Qt::LeftButton);
    }
    QStringList EnabledButtons() const {
        QStringList names;
        for (auto* b : w->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly))
            if (b->isEnabled())
                names << b->objectName();
        return Sorted(names);
    }
    QLineEdit* Edit(int i) const {
        return etage->findChild<QLineEdit*>(QStringLiteral("EtEdit%1").arg(i));
    }
    QStringList Names() const {
        QStringList names;
        for (const auto& name : store.FloorNames)
            names << QString::fromStdString(Cp1252ToUtf8(name.view()));
        return names;
    }
    int Controls() const { // of the floor names dialog
        return etage->findChildren<QLineEdit*>().size() + etage->findChildren<QLabel*>().size();
    }
    // The chart window with the waiting times of a copy of the sample, named after it, and a
    // copy of the October file as the comparison.
    const ChartModel& DrawWaitingTimes(TStatDlg& dlg) {
        const std::string stats = files->write("buerohaus-14.csv", ReadBytes(kSample));
        const std::string comparison =
            files->write("vergleich.csv", ReadBytes(GS_EXAMPLES "/buerohaus-14-oktober.csv"));
        LoadStatisticsFile(store, stats);
        DrawChart(ChartId::w_time, store, *dlg.StatChart);
        dlg.SetChartOrigin(Q(stats), ChartId::w_time, Q(comparison));
        return dlg.StatChart->shown();
    }
    std::string Example() const { return files->write("stat.csv", WorkedExampleFile()); }
    std::string LastDirFile() const { return DefaultLastDirPath(); } // in files' "config"
    // The folder the label shows, whole: a long one is shortened there and whole in its hint.
    QString ShownFolder() const {
        return w->Label1->toolTip().isEmpty() ? w->Label1->text() : w->Label1->toolTip();
    }

    // The key-figures window's rows as shown: the sections from their spanning headings.
    static std::vector<KeyFigureRow> Shown(const TKennzahlenDlg& dlg) {
        std::vector<KeyFigureRow> rows;
        std::string section;
        const int columns = dlg.Tabelle->columnCount();
        for (int r = 0; r < dlg.Tabelle->rowCount(); ++r) {
            std::vector<std::string> cells(6);
            for (int c = 0; c < columns; ++c)
                cells[static_cast<std::size_t>(c)] =
                    dlg.Tabelle->item(r, c) ? dlg.Tabelle->item(r, c)->text().toStdString()
                                            : std::string();
            if (dlg.Tabelle->columnSpan(r, 0) == columns)
                section = cells[0];
            else
                rows.push_back(
                    {section, cells[0], cells[1], cells[2], cells[3], cells[4], cells[5]});
        }
        return rows;
    }
    static std::unique_ptr<QPrinter> PdfPrinter(const std::string& pdf) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFileName(Q(pdf));
        return printer;
    }
    static bool PdfHas(const std::string& pdf, const QString& text, int page = 0) {
        return Q(PdfText(pdf, page)).contains(text);
    }
    static bool OnePage(const std::string& pdf, bool landscape) {
        const auto pages = PdfPages(pdf);
        return pages.size() == 1 && (pages[0].first > pages[0].second) == landscape;
    }
    // The worked example with "4x0" in line 9, field 14.
    static std::string BadFile(const TempDir& dir) {
        std::string bad = WorkedExampleFile();
        return dir.write("bad.csv", bad.replace(bad.find(";410;"), 5, ";4x0;"));
    }

private slots:
    void initTestCase() {
        // The open dialog keeps state in Qt's settings, whose folder Qt fixes on first use.
        qtSettings = std::make_unique<TempDir>();
        for (auto format : {QSettings::IniFormat, QSettings::NativeFormat})
            QSettings::setPath(format, QSettings::UserScope, Q(qtSettings->path().string()));
        SetErrorPresenter([this](const QString& text, QWidget*) { boxes << text; });
        SetNotePresenter([this](const QString& text, QWidget*) { notes << text; });
        SetOverwriteQuestion([this](const QString& path, QWidget*) {
            questions << path;
            return overwrite;
        });
    }
    void init() {
        files = std::make_unique<TempDir>(); // and so one configuration folder per test
        qputenv("XDG_CONFIG_HOME", files->file("config").c_str());
#ifdef _WIN32
        _wputenv_s(L"APPDATA", (files->path() / "config").c_str());
#endif
        store = StatisticsStore();
        boxes.clear();
        nameBoxes.clear();
        etage = std::make_unique<TEtageDlg>(store);
        EtageDlg = etage.get();
        Create();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    void failedOpenLeavesTheButtonsAndShortensALongFolder() {
        QCOMPARE(EnabledButtons(), Sorted(kAtStart));
        const std::string longFolder = files->file(std::string(150, 'o'));
        Open(longFolder + "/weg.csv"); // the buttons follow a successful read only
        QCOMPARE(boxes, QStringList{"Datei nicht gefunden: „" +
                                    QDir::toNativeSeparators(Q(longFolder) + "/weg.csv") + "“."});
        QCOMPARE(EnabledButtons(), Sorted(kAtStart));
        // Shortened in its middle before the version label, whole in its hint.
        QVERIFY(w->Label1->text().contains(QChar(0x2026)));
        QVERIFY(w->Label1->geometry().right() < w->VersionsLabel->x());
        QCOMPARE(w->Label1->toolTip(), Q(longFolder));
    }

    void loadEnablesTheButtonsAndFillsTheMemo() {
        const std::string path = Example();
        Open(path);
        QCOMPARE(EnabledButtons(), Sorted(kAfterLoad));
        // The next open starts in the file's folder, its name box showing "*.csv".
        QCOMPARE(w->OpenDlg->directory(), QDir(Q(files->path().string())));
        QCOMPARE(nameBoxes, QStringList({"*.csv"}));
        QVERIFY(etage->isVisible());
        QCOMPARE(w->DatenMemo->toPlainText(),
                 "QVL Gruppenstatistik \n\nKunde: \n\nKommission: \n\nDatei: " + Q(path) +
                     "\n\nAnzahl Stockwerke: 2\n\nStatistik Start:   01.12.26 06:00\n\n"
                     "Statistik Stop:   07.12.26 18:00\n\nSumme der Außenrufe:   38\n");
    }

    void eachChartButtonLightsItsCheckMark() {
        Open(Example());
        QTest::mouseClick(w->countBtn, Qt::LeftButton);
        QCOMPARE(chart.shown().heading(), "Anzahl der Außenrufe auf den Etagen");
        // The all-calls chart enables the waiting time; each button its own check mark only.
        QStringList now = kAfterLoad + QStringList{"w_timeBtn", "countHaken"};
        QCOMPARE(EnabledButtons(), Sorted(now));
        for (const ChartInfo& c : kCharts) {
            QTest::mouseClick(w->ChartButton(c.id), Qt::LeftButton);
            QCOMPARE(chart.shown().series.empty(), false);
            now << w->CheckMark(c.id)->objectName();
            now.removeDuplicates();
            QCOMPARE(EnabledButtons(), Sorted(now));
        }
    }

    void cancelledOrBadOpenKeepsFiguresAndMemo() {
        const std::string path = Example();
        Open(path);
        QTest::mouseClick(w->countBtn, Qt::LeftButton);
        const QStringList now = EnabledButtons();
        w->DatenMemo->appendPlainText(QStringLiteral("Kunde: Meier AG"));
        const QString memo = w->DatenMemo->toPlainText();
        const StatisticsStore before = store;
        for (const char* answer : {"", "*.csv"}) {
            const int runs = dialogRuns;
            Open(answer);
            QCOMPARE(dialogRuns, runs + 1);
            QCOMPARE(EnabledButtons(), now);
            QCOMPARE(w->DatenMemo->toPlainText() + ShownFolder(), memo + Q(files->path().string()));
            QVERIFY(store.FileName.str() == path && store.CallStat == before.CallStat);
        }
        // The folder follows the bad file; the figures, their name, ticks and buttons stay.
        TempDir other;
        const std::string badPath = BadFile(other);
        etage->close();
        Open(badPath);
        QCOMPARE(boxes, QStringList{"'4x0' ist kein gültiger Integerwert.\n"
                                    "Datei bad.csv, Zeile 9, Feld 14"});
        QCOMPARE(w->DatenMemo->toPlainText(), memo);
        QVERIFY(store.CallStat == before.CallStat && store.TravelCount == before.TravelCount);
        QVERIFY(!etage->isVisible());
        QCOMPARE(Q(store.FileName.str()) + ShownFolder(), Q(path + other.path().string()));
        QCOMPARE(EnabledButtons(), now);
        // A table exported beside the statistics files is named for what it is.
        boxes.clear();
        const std::string exported = other.write("export.csv", "\xEF\xBB\xBF"
                                                               "Etage;Rufe\r\n");
        Open(exported);
        QCOMPARE(boxes, QStringList{"Die Datei ist keine Statistikdatei (eine exportierte "
                                    "Tabelle?).\nDatei „" +
                                    Q(exported) + "“"});
        QCOMPARE(EnabledButtons(), now);
    }

    void loadWhileTheFloorNamesDialogIsOpenRebuildsIt() {
        Open(Example());
        Edit(1)->setText(QStringLiteral("verworfen"));
        Open(files->write("sechzehn.csv", UniformFile(16)));
        QVERIFY(etage->isVisible());
        QCOMPARE(Controls(), 32);
        QCOMPARE(Edit(1)->text(), QStringLiteral("KG")); // not the edit made for the old file
        QCOMPARE(Names()[0], QStringLiteral("KG"));
        // OK names the floors of the new file, and the names reach the charts.
        Edit(16)->setText(QStringLiteral("Dach"));
        QTest::mouseClick(etage->OKBtn, Qt::LeftButton);
        QTest::mouseClick(w->countBtn, Qt::LeftButton);
        QCOMPARE(Q(chart.shown().categories.at(15)), QStringLiteral("Dach"));
    }

    void saveKeyDoesNothingBeforeALoad() {
        QTest::keySequence(w.get(), QKeySequence::Save);
        QVERIFY(proposed.isEmpty());
    }

    void coverSheetIsPrintedAsTheMemoShowsIt() {
        Open(Example());
        etage->close();
        // The cover sheet is printed as the memo shows it: long lines and paths wrapped as
        // there, nothing lost; the report tool's breaks, made without a memo, are the same.
        QString memo = w->DatenMemo->toPlainText();
        w->DatenMemo->setPlainText(
            memo.replace("Kunde: \n", "Kunde: Bäcker & Söhne, " + QString(60, 'x') + " Ende\n"));
        w->DatenMemo->appendPlainText("C:\\qvltools\\vx_rec\\files\\Hochhaus am Stadtpark "
                                      "Nord\\Aufzugsgruppe_West-2026-12-07.csv");
        w->DatenMemo->appendPlainText("/home/ingenieur/Auswertungen/2026/Hochhaus_am_Stadtpark/"
                                      "gruppe-nord/statistik.csv WW iii");
        const QStringList paragraphs = w->DatenMemo->toPlainText().split('\n');
        const QStringList shown = w->CoverLines();
        QCOMPARE(shown, DisplayedLines(*w->DatenMemo->document()));
        QVERIFY(shown.size() >= paragraphs.size() + 5);
        QCOMPARE(shown, WrapLikeMemo(paragraphs, kMemoTextWidth));
        QCOMPARE(shown.join(QString()), paragraphs.join(QString()));
        const std::string cover = files->file("deckblatt.pdf");
        w->SetPrinterSource([cover] { return PdfPrinter(cover); });
        QTest::mouseClick(w->PrintBtn, Qt::LeftButton);
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('|')));
        READS_PDF();
        QCOMPARE(PdfPages(cover).size(), std::size_t{1});
        QVERIFY(RunCommand("pdfinfo '" + cover + "'").find("Gruppenstatistik: Deckblatt") !=
                std::string::npos); // the job's name
        for (const char* piece : {"QVL Gruppenstatistik", "Anzahl Stockwerke: 2",
                                  "Summe der Außenrufe:", "38", "Kunde: Bäcker & Söhne", "Ende"})
            QVERIFY2(PdfHas(cover, QString::fromUtf8(piece)), piece);
    }

    void reportTakesTheMemoAndTheFloorNames() {
        Open(Example());
        etage->close();
        store.FloorNames[0] = "Keller";
        w->DatenMemo->setPlainText(w->DatenMemo->toPlainText().replace(
            "Kunde: \n", QStringLiteral("Kunde: Bäcker & Söhne\n")));
        // An unwritable name gets the box; a name without suffix gets ".pdf".
        const QString folder = QDir::fromNativeSeparators(Q(files->path().string())) + "/";
        const std::string loadedPdf = files->write("geladen.pdf", WorkedExampleFile());
        const struct {
            QString name;
            int boxes;
            QStringList questions;
        } reports[] = {
            {"fehlt/x.pdf", 1, {}},
            {"bericht", 0, {}},
            {"bericht", 0, {folder + "bericht.pdf"}},
            {"stat.csv", 0, {}},                          // written as stat.csv.pdf
            {"geladen.pdf", 0, {folder + "geladen.pdf"}}, // not loaded: the user is asked
        };
        for (const auto& r : reports) {
            boxes.clear();
            questions.clear();
            chosen = folder + r.name;
            QTest::keySequence(w.get(), QKeySequence::Save);
            QCOMPARE(proposed, folder + "stat_Bericht.pdf");
            QCOMPARE(boxes.size(), r.boxes);
            QCOMPARE(questions, r.questions);
        }
        QCOMPARE(ReadBytes(files->file("stat.csv")), WorkedExampleFile());
        // The statistics file itself is refused before any question, and stays as it was.
        files->write("geladen.pdf", WorkedExampleFile());
        Open(loadedPdf);
        etage->close();
        boxes.clear();
        questions.clear();
        chosen = Q(loadedPdf);
        QTest::keySequence(w.get(), QKeySequence::Save);
        QCOMPARE(boxes, QStringList{"Die Datei „" + chosen +
                                    "“ kann nicht geschrieben werden: dieselbe Datei wie die "
                                    "Eingabe „" +
                                    chosen + "“."});
        QVERIFY(questions.isEmpty());
        QCOMPARE(ReadBytes(loadedPdf), WorkedExampleFile());
        Open(files->file("stat.csv"));
        etage->close();
        store.FloorNames[0] = "Keller";
        READS_PDF();
        QVERIFY(PdfHas(files->file("bericht.pdf"), "Kunde: Bäcker & Söhne", 1));
        QVERIFY(PdfHas(files->file("bericht.pdf"), "Keller"));
    }

    void lastFolderIsKeptFromRunToRun() {
        // First run: no last-directory file, which is no error; closing writes an empty one.
        QCOMPARE(w->Label1->text(), QStringLiteral("     "));
        QCOMPARE(w->OpenDlg->directory(), QDir(Thaupt::DefaultFolder()));
        QVERIFY(QFileInfo(Thaupt::DefaultFolder()).isDir()); // Windows: no recorder folder here
        w->close();
        QCOMPARE(Q(ReadBytes(LastDirFile())), QString());
        // Second run reads it without complaint, loads a file and ends with its folder.
        Create();
        Open(Example());
        QTest::mouseClick(w->ExitBtn, Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QCOMPARE(Q(ReadBytes(LastDirFile())), Q(files->path().string()));
        // Third run starts there.
        store = StatisticsStore();
        Create();
        QVERIFY(boxes.isEmpty());
        QCOMPARE(Q(store.LastDir.str()), Q(files->path().string()));
        QCOMPARE(ShownFolder(), Q(files->path().string()));
        QCOMPARE(w->OpenDlg->directory(), QDir(Q(files->path().string())));
    }

    void unreadableLastFolderIsReportedAndClosingStillEnds() {
        // A folder in the file's place is left alone: said once, naming it, at the start...
        std::filesystem::remove(LastDirFile());
        std::filesystem::create_directories(LastDirFile());
        Create();
        QCOMPARE(boxes, QStringList{"Dateizugriff verweigert (ein Ordner, keine Datei): „" +
                                    Q(LastDirFile()) +
                                    "“.\nDer zuletzt geöffnete Ordner wird nicht gespeichert."});
        // ...and closing still ends the run, without writing or asking again.
        w->show();
        QSignalSpy ended(w.get(), &Thaupt::closed);
        QVERIFY(w->close());
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(ended.count(), 1);
        QVERIFY(!w->isVisible());
        QVERIFY(std::filesystem::is_empty(LastDirFile()));
    }

    void fileOnTheCommandLineLoadsOnceTheLoopRuns() {
        // Started as "make run" or "Open with" do; a name in Latin-1 is opened by its bytes.
        w.reset();
        std::filesystem::remove(LastDirFile());
        boxes.clear();
#ifdef _WIN32
        const std::string path = files->write("M\xC3\xBCller.csv", UniformFile(3)); // UTF-16 there
#else
        const std::string path = files->write("M\xFCller.csv", UniformFile(3));
#endif
        {
            Program program(store, {"gruppenstatistik", "-style=fusion", path});
            QTRY_COMPARE(store.FloorCount, 3);
            QVERIFY(haupt->isVisible() && !StatDlg->isVisible() && EtageDlg->isVisible());
            QVERIFY(boxes.isEmpty());
            QCOMPARE(store.FileName.str(), path);
        }
        QVERIFY(!haupt && !StatDlg && !EtageDlg);
        EtageDlg = etage.get();
    }

    void chartWindowShowsHidesAndComesBack() {
        TStatDlg dlg;
        StatDlg = &dlg;
        for (QAbstractButton* b : dlg.findChildren<QAbstractButton*>()) // enabled, disabled
            QVERIFY(b->icon().pixmap(b->iconSize(), QIcon::Normal).toImage() !=
                    b->icon().pixmap(b->iconSize(), QIcon::Disabled).toImage());
        // The chart handlers show it through StatDlg; hidden until the first chart.
        QVERIFY(!dlg.isVisible());
        QCOMPARE(StatDlgChartWindow()(Thaupt::ChartWindowUse::Show),
                 static_cast<TChartfx*>(dlg.StatChart));
        QVERIFY(dlg.isVisible());
        // OK hides the window and keeps the chart; the next chart shows it again.
        const ChartModel& shown = DrawWaitingTimes(dlg);
        QTest::mouseClick(dlg.OKBtn, Qt::LeftButton);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(shown.heading(), "Durchschnittliche Wartezeit auf den Etagen");
        StatDlgChartWindow()(Thaupt::ChartWindowUse::Show);
        QVERIFY(dlg.isVisible());
        dlg.showMinimized(); // a chart button brings it back from its icon
        StatDlgChartWindow()(Thaupt::ChartWindowUse::Show);
        QVERIFY(dlg.isVisible() && !dlg.isMinimized());
        StatDlg = nullptr;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 StatDlgChartWindow()(Thaupt::ChartWindowUse::Show));
    }

    void chartWindowCopiesAndSavesTheChart() {
        TStatDlg dlg;
        const ChartModel& shown = DrawWaitingTimes(dlg);
        const std::string stats = files->file("buerohaus-14.csv");
        const std::string comparison = files->file("vergleich.csv");
        dlg.show();
        // Ctrl+C: one clipboard entry with the picture and the figures as a table.
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QTest::keySequence(&dlg, QKeySequence::Copy);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        // The picture: the window's layout at twice the pixels, saying so in its resolution.
        const QImage picture = qvariant_cast<QImage>(copied->imageData());
        QVERIFY(copied->hasImage() && picture.size() == dlg.StatChart->size() * 2);
        QCOMPARE(qRound(picture.dotsPerMeterX() * 0.0254), 192);
        QVERIFY(copied->text().startsWith("Etagen\tAb-Rufe\tAuf-Rufe\r\n"));
        // The save dialogs: proposed name, the filter's format, nothing half-written.
        QString filter;
        dlg.SetSaveChooser([&](const QString&, const QString& p, const QString&, QString& f) {
            proposed = p;
            f = filter.isEmpty() ? f : filter;
            return chosen;
        });
        const QString folder = QDir::fromNativeSeparators(Q(files->path().string())) + "/";
        std::filesystem::create_directory(files->file("ordner.png"));
        const QString input = "“ kann nicht geschrieben werden: dieselbe Datei wie die Eingabe „";
        const struct {
            QAction* action;
            QString filter, chosen, written, proposed;
            std::string starts;
            QString asked; // the file the overwrite question names; empty: none asked
            bool keep;     // its answer: no
            QString box;   // empty: none
        } saves[] = {
            {dlg.BildSpeichernAction, "", "a.png", "a.png", "buerohaus-14_Wartezeiten.png",
             "\x89PNG", "", false, ""},
            {dlg.BildSpeichernAction, "SVG-Grafik (*.svg)", "b", "b.svg", "", "<?xml", "", false,
             ""},
            {dlg.BildSpeichernAction, "PDF-Dokument (*.pdf)", "c.png", "c.pdf", "", "%PDF", "",
             false, ""},
            {dlg.DatenExportAction, "", "d", "d.csv", "buerohaus-14_Wartezeiten.csv",
             "\xEF\xBB\xBF", "", false, ""},
            // An existing file: the question names it with its suffix; no keeps it.
            {dlg.BildSpeichernAction, "", "a", "", "", "", "a.png", true, ""},
            {dlg.BildSpeichernAction, "PDF-Dokument (*.pdf)", "c", "c.pdf", "", "%PDF", "c.pdf",
             false, ""},
            // The inputs and what is no regular file are refused before any question.
            {dlg.DatenExportAction, "", "buerohaus-14", "", "", "", "", false,
             "Die Datei „" + folder + "buerohaus-14.csv" + input + Q(stats) + "“."},
            {dlg.DatenExportAction, "", "vergleich", "", "", "", "", false,
             "Die Datei „" + folder + "vergleich.csv" + input + Q(comparison) + "“."},
            {dlg.BildSpeichernAction, "", "ordner.png", "", "", "", "", false,
             "Die Datei „" + folder +
                 "ordner.png“ kann nicht geschrieben werden: ein Ordner, "
                 "keine Datei."},
            {dlg.DatenExportAction, "", "fehlt/e.csv", "", "", "", "", false,
             "Die Datei „" + folder +
                 "fehlt/e.csv“ kann nicht geschrieben werden: Datei oder "
                 "Ordner nicht gefunden."},
        };
        for (const auto& c : saves) {
            boxes.clear();
            questions.clear();
            filter = c.filter;
            chosen = c.chosen.isEmpty() ? "" : folder + c.chosen;
            overwrite = !c.keep;
            if (c.keep)
                files->write(c.asked.toStdString(), "alt");
            c.action->trigger();
            if (!c.proposed.isEmpty())
                QCOMPARE(proposed, folder + c.proposed);
            QCOMPARE(boxes, c.box.isEmpty() ? QStringList() : QStringList{c.box});
            QCOMPARE(questions, c.asked.isEmpty() ? QStringList() : QStringList{folder + c.asked});
            const std::string written = c.written.toStdString();
            QVERIFY(written.empty() || ReadBytes(files->file(written)).rfind(c.starts, 0) == 0);
            QVERIFY(!c.written.endsWith(".png") ||
                    QImage(Q(files->file(written))).size() == dlg.StatChart->size() * 2);
            QVERIFY(!c.keep || ReadBytes(files->file(c.asked.toStdString())) == "alt");
        }
        QCOMPARE(ReadBytes(stats), ReadBytes(kSample));
        QCOMPARE(ReadBytes(comparison), ReadBytes(GS_EXAMPLES "/buerohaus-14-oktober.csv"));
        QVERIFY(std::filesystem::is_empty(files->file("ordner.png")));
        QCOMPARE(std::distance(std::filesystem::directory_iterator(files->path()), {}), 7);
        // The PDF holds the chart's title as text, on a page of the chart's shape.
        READS_PDF();
        QVERIFY(PdfHas(files->file("c.pdf"), Q(shown.heading())));
        const auto page = PdfPages(files->file("c.pdf")).at(0);
        QCOMPARE(qRound(100 * page.first / page.second),
                 qRound(100.0 * dlg.StatChart->width() / dlg.StatChart->height()));
        QCOMPARE(Q(ReadBytes(files->file("d.csv"))), Q(FiguresCsv(shown)));
    }

    void chartPrintKeepsTheScreenGapsAndPreviewPrintsThePage() {
        TStatDlg dlg;
        DrawWaitingTimes(dlg);
        // A failed print is reported and leaves the screen's gaps of 40, not the paper's 200;
        // a print that succeeds gives one landscape page of vector output.
        const auto unwritable = PdfPrinter("/nonexistent-folder/chart.pdf");
        const auto good = PdfPrinter(files->file("chart.pdf"));
        const std::pair<QPrinter*, const char*> prints[] = {
            {unwritable.get(), "Die Druckdatei „/nonexistent-folder/chart.pdf“ kann nicht "
                               "geschrieben werden."},
            {nullptr, "Kein Drucker installiert."}, // null: the system's printer
            {good.get(), ""}};
        for (const auto& [printer, text] : prints) {
            if (!printer && !QPrinterInfo::availablePrinters().isEmpty())
                continue; // this machine has a printer
            boxes.clear();
            dlg.StatChart->setPrinter(printer);
            QTest::mouseClick(dlg.PrintBtn, Qt::LeftButton);
            QCOMPARE(boxes.join(QString()), QString::fromUtf8(text));
            QCOMPARE(QPoint(dlg.StatChart->TopGap(), dlg.StatChart->BottomGap()), QPoint(40, 40));
        }
        READS_PDF();
        QVERIFY(OnePage(files->file("chart.pdf"), true));
        QVERIFY(PdfHas(files->file("chart.pdf"), "Etagen"));
        // The preview shows the printed page, and printing from it prints that page.
        const auto paper = PdfPrinter(files->file("vorschau.pdf"));
        dlg.StatChart->setPrinter(paper.get());
        int previewPages = 0;
        dlg.SetPreviewRunner([&](QPrintPreviewDialog& preview) {
            auto* view = preview.findChild<QPrintPreviewWidget*>();
            view->updatePreview();
            previewPages = view->pageCount();
            view->print();
        });
        dlg.DruckvorschauAction->trigger();
        QCOMPARE(previewPages, 1);
        QVERIFY(OnePage(files->file("vorschau.pdf"), true));
        QCOMPARE(QPoint(dlg.StatChart->TopGap(), dlg.StatChart->BottomGap()), QPoint(40, 40));
    }

    void keyFiguresShowCopyPrintAndFollowTheFile() {
        const std::string example = Example();
        Open(example);
        QTest::mouseClick(w->KeyFigures().KennzahlenBtn, Qt::LeftButton);
        TKennzahlenDlg* dlg = w->KeyFigures().Dialog();
        QVERIFY(dlg && dlg->isVisible() && dlg->windowTitle() == QStringLiteral("Kennzahlen"));
        // One font family in the windows and in Qt's own dialogs.
        QCOMPARE(QFontInfo(QFileDialog().font()).family(),
                 QFontInfo(dlg->Tabelle->font()).family());
        // The table shows the rows: a spanning heading per section, then label and value.
        const KeyFigureTable table = KeyFigureTableOf(store);
        QVERIFY(Shown(*dlg) == table.rows && dlg->Tabelle->columnCount() == 2);
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(dlg->CopyBtn, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(KeyFigureTsv(table)));
        // A laptop's screen: at most 600 px high, resizable, the table scrolls to its end.
        QVERIFY(dlg->height() <= TKennzahlenDlg::kDefaultHeight &&
                dlg->minimumHeight() < dlg->height() && dlg->maximumHeight() > 2000);
        const auto paper = PdfPrinter(files->file("kennzahlen.pdf"));
        dlg->setPrinter(paper.get());
        QTest::mouseClick(dlg->PrintBtn, Qt::LeftButton);
        READS_PDF();
        QVERIFY(OnePage(files->file("kennzahlen.pdf"), false));
        QVERIFY(PdfHas(files->file("kennzahlen.pdf"), "Kennzahlen: stat.csv"));
        // A new file while the window is open: it shows the new figures.
        Open(kSample);
        QVERIFY(dlg->isVisible());
        QCOMPARE(dlg->Tabelle->item(6, 1)->text(), QStringLiteral("5002"));
        QTest::mouseClick(dlg->OKBtn, Qt::LeftButton);
        QVERIFY(!dlg->isVisible());
    }

    void comparisonLoadsReplacesAndDropsWithoutTouchingTheStore() {
        const std::string example = Example();
        Open(kSample);
        etage->close();
        QTest::mouseClick(w->countBtn, Qt::LeftButton); // open: it follows the comparison
        const StatisticsStore before = store;
        const QString folder = kExamples;
        const struct {
            QString file;    // chosen in the open dialog
            int entry;       // of the button's menu; -1: the button itself
            QString hint;    // of the button afterwards
            QString line;    // shown below the chart buttons, empty when hidden
            int countSeries; // of "Alle Außenrufe über Etage" then
        } steps[] = {
            {folder + "/buerohaus-14-oktober.csv", -1, "Vergleich: buerohaus-14-oktober.csv",
             "Vergleich mit buerohaus-14-oktober.csv (04.10.–10.10.)", 4},
            // A bad comparison file: the error box, and both stores as they were.
            {Q(BadFile(*files)), 0, "Vergleich: buerohaus-14-oktober.csv",
             "Vergleich mit buerohaus-14-oktober.csv (04.10.–10.10.)", 4},
            {Q(example), 0, "Vergleich: stat.csv",
             "Vergleich mit stat.csv (01.12.–07.12.), nur Etagen 1 bis 2 (14 und 2 Etagen)", 4},
            {"", 1, "Vergleichsdatei laden", "", 2},
        };
        for (const auto& step : steps) {
            boxes.clear();
            nextFile = step.file;
            if (step.entry < 0)
                QTest::mouseClick(w->Comparison().VergleichBtn, Qt::LeftButton);
            else if (QMenu* menu = w->Comparison().VergleichBtn->menu())
                menu->actions().at(step.entry)->trigger();
            QCOMPARE(w->Comparison().VergleichBtn->toolTip(), step.hint);
            QCOMPARE(w->Comparison().VergleichLabel->isVisible()
                         ? w->Comparison().VergleichLabel->text()
                         : QString(),
                     step.line);
            QCOMPARE(boxes.size(), &step == &steps[1] ? 1 : 0); // the bad file's box, named
            QVERIFY(boxes.isEmpty() || boxes[0].startsWith("Vergleichsdatei: '4x0'"));
            QVERIFY(SameFigures(store, before) && store.FileName == before.FileName.view() &&
                    store.LastDir == before.LastDir.view());
            QCOMPARE(w->OpenDlg->directory(), QDir(folder)); // still the loaded file's folder
            QCOMPARE(int(chart.shown().series.size()), step.countSeries); // redrawn on its own
            QTest::mouseClick(w->countBtn, Qt::LeftButton);
            QCOMPARE(int(chart.shown().series.size()), step.countSeries);
            QVERIFY(w->w_timeBtn->isEnabled() && w->countHaken->isEnabled());
        }
    }

    void comparisonShowsInChartsKeyFiguresAndReport() {
        Open(kSample);
        etage->close();
        // Two periods in the chart, the door charts as they were, the key figures side by side.
        nextFile = Q(GS_EXAMPLES "/buerohaus-14-oktober.csv");
        QTest::mouseClick(w->Comparison().VergleichBtn, Qt::LeftButton);
        QTest::mouseClick(w->countBtn, Qt::LeftButton);
        QTest::mouseClick(w->w_timeBtn, Qt::LeftButton);
        QCOMPARE(chart.shown().series.at(1).legend, "Ab-Rufe Vergleich (04.10.–10.10.)");
        QTest::mouseClick(w->count_a_aufBtn, Qt::LeftButton);
        QCOMPARE(chart.shown().heading(), "Anzahl der Auf-Rufe Tür A auf den Etagen");
        QTest::mouseClick(w->KeyFigures().KennzahlenBtn, Qt::LeftButton);
        // Six columns, both periods in every section, the assessment's word in its colour.
        TKennzahlenDlg* dlg = w->KeyFigures().Dialog();
        const KeyFigureTable table = ComparisonTable(Compare(store, *w->Comparison().Store()));
        QVERIFY(Shown(*dlg) == table.rows && dlg->Tabelle->columnCount() == 6);
        QCOMPARE(dlg->Tabelle->horizontalHeaderItem(4)->text(), QStringLiteral("Änderung\nin %"));
        QStringList sections, assessed;
        for (int r = 0; r < dlg->Tabelle->rowCount(); ++r) {
            if (dlg->Tabelle->columnSpan(r, 0) == 6)
                sections << dlg->Tabelle->item(r, 0)->text();
            else if (const QTableWidgetItem* verdict = dlg->Tabelle->item(r, 5);
                     !verdict->text().isEmpty())
                assessed << verdict->text() + " " + verdict->foreground().color().name();
        }
        QVERIFY(sections.contains("Tageszeit") && sections.contains("Etagen"));
        QVERIFY(assessed.contains("besser #008000") && assessed.contains("schlechter #c00000"));
        QTest::mouseClick(dlg->CopyBtn, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(KeyFigureTsv(table)));
        chosen = Q(files->file("vergleich.pdf"));
        notes.clear();
        QTest::mouseClick(w->Report().ReportBtn, Qt::LeftButton);
        QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("buerohaus-14_Vergleich.pdf"));
        QCOMPARE(notes, QStringList{"Bericht gespeichert: " + chosen});
        READS_PDF();
        QCOMPARE(PdfPages(chosen.toStdString()).size(), kCharts.size() + 3);
        QVERIFY(PdfHas(chosen.toStdString(), "Vergleich: buerohaus-14.csv mit buerohaus", 3));
        // Every page but the cover headed by both files and ended by its number.
        QVERIFY(!PdfHas(chosen.toStdString(), "Seite", 1));
        for (int page : {2, 3, 14})
            QVERIFY(
                PdfHas(chosen.toStdString(), QStringLiteral("Seite %1 von 14").arg(page), page) &&
                PdfHas(chosen.toStdString(), "Vergleich: buerohaus-14-oktober.csv", page));
    }

    void floorNamesDialogLaysOutEveryFloorCount() {
        QVERIFY(!etage->isModal() && (etage->windowState() & Qt::WindowMaximized));
        for (int floors = 0; floors <= 40; ++floors) {
            for (int k = 0; k < floors; ++k)
                store.FloorNames[k] = "N" + std::to_string(k);
            const QStringList before = Names();
            store.FloorCount = static_cast<std::uint8_t>(floors);
            etage->show();
            QCOMPARE(Controls(), 2 * floors);
            QList<QWidget*> placed = {etage->OKBtn, etage->CancelBtn};
            for (int i = 1; i <= floors; ++i) {
                // Columns of 15 rows, each floor's label left of its box in the same row.
                const QLineEdit* edit = Edit(i);
                const auto* label = etage->findChild<QLabel*>(QStringLiteral("EtLabel%1").arg(i));
                QVERIFY(edit && label && edit->isVisible() && label->isVisible());
                QCOMPARE(label->y(), edit->y());
                QCOMPARE(edit->x(), Edit(1 + 15 * ((i - 1) / 15))->x());
                QVERIFY(label->geometry().right() < edit->x());
                QVERIFY(label->width() >= label->sizeHint().width());
                QVERIFY(edit->height() >= 15 && edit->height() <= 20); // never into the next row
                QCOMPARE(edit->text() + label->text(), QStringLiteral("N%1Etage%1").arg(i - 1));
                placed << const_cast<QLineEdit*>(edit) << const_cast<QLabel*>(label);
            }
            for (int a = 0; a < placed.size(); ++a)
                for (int b = a + 1; b < placed.size(); ++b)
                    QVERIFY2(!placed[a]->geometry().intersects(placed[b]->geometry()),
                             qPrintable(placed[a]->objectName() + " " + placed[b]->objectName()));
            if (floors == 40) {
                // A ten-character name shows whole, and the box takes no eleventh character.
                QLineEdit* last = Edit(40);
                last->setText(QStringLiteral("NNNNNNNNNN"));
                const auto cursorX = [last](int at) {
                    last->setCursorPosition(at);
                    return last->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
                };
                QCOMPARE(cursorX(10) - cursorX(0),
                         last->fontMetrics().horizontalAdvance(last->text()));
                QTest::keyClick(last, Qt::Key_X);
                QCOMPARE(last->text(), QStringLiteral("NNNNNNNNNN"));
            }
            // OK without edits, or Cancel, keeps the names; every close frees the controls.
            (floors == 40 ? etage->CancelBtn : etage->OKBtn)->click();
            QVERIFY(!etage->isVisible());
            QCOMPARE(Names(), before);
            QCOMPARE(Controls(), 0);
        }
    }

    void floorNamesDialogTakesTheNamesOnlyOnOK() {
        // Each way out, and whether it takes the texts, cut to 10 characters, into the store.
        const std::pair<std::function<void()>, bool> ways[] = {
            {[&] { QTest::mouseClick(etage->OKBtn, Qt::LeftButton); }, true},
            {[&] { QTest::keyClick(etage.get(), Qt::Key_Enter); }, true},
            {[&] { QTest::keyClick(Edit(5), Qt::Key_Return); }, true},
            {[&] { QTest::mouseClick(etage->CancelBtn, Qt::LeftButton); }, false},
            {[&] { QTest::keyClick(etage.get(), Qt::Key_Escape); }, false},
            {[&] { QTest::keyClick(Edit(5), Qt::Key_Escape); }, false},
            {[&] { etage->close(); }, false}};
        const QStringList typed = {"ABCDEFGHIJK", "Außenbereich", "Etage→7", ""};
        const QStringList stored = {"ABCDEFGHIJ", "Außenberei", "Etage?7", ""};
        for (const auto& [leave, takes] : ways) {
            store = StatisticsStore();
            const QStringList before = Names();
            store.FloorCount = 16;
            etage->show();
            for (int i = 0; i < typed.size(); ++i)
                Edit(i + 1)->setText(typed[i]);
            // A load may change the count while the dialog is open: it goes by what it built.
            store.FloorCount = takes ? 40 : 0;
            leave();
            QVERIFY(!etage->isVisible());
            QCOMPARE(Controls(), 0);
            QCOMPARE(Names(), takes ? stored + before.mid(typed.size()) : before);
        }
    }

    void floorNamesStayWithTheBuilding() {
        // OK keeps the names beside the file, one a line as --etagen reads them.
        const std::string path = Example();
        const std::string kept = files->file("Etagenbezeichnungen.txt");
        Open(path);
        Edit(1)->setText(QStringLiteral("Tiefgarage"));
        QTest::mouseClick(etage->OKBtn, Qt::LeftButton);
        QCOMPARE(Q(ReadBytes(kept)), QStringLiteral("Tiefgarage\r\nEG\r\n"));
        // The next run finds them; the dialog still opens, with them.
        store = StatisticsStore();
        etage = std::make_unique<TEtageDlg>(store);
        EtageDlg = etage.get();
        Create();
        Open(path);
        QVERIFY(etage->isVisible());
        QCOMPARE(Edit(1)->text() + Names()[0] + Names()[1],
                 QStringLiteral("TiefgarageTiefgarageEG"));
        // Speichern unter… (".txt" added) and Laden…, which fills the boxes; OK takes them.
        QString names = Q(files->file("anderswo"));
        etage->SetFileChooser([&names](bool, const QString&) { return names; });
        QTest::mouseClick(etage->SpeichernUnterBtn, Qt::LeftButton);
        QCOMPARE(Q(ReadBytes(files->file("anderswo.txt"))), QStringLiteral("Tiefgarage\r\nEG\r\n"));
        names = Q(files->write("haus2.txt", "Keller\nFoyer Süd\n"));
        QTest::mouseClick(etage->LadenBtn, Qt::LeftButton);
        QCOMPARE(Edit(2)->text() + Names()[1], QStringLiteral("Foyer SüdEG"));
        QTest::mouseClick(etage->OKBtn, Qt::LeftButton);
        QCOMPARE(Names()[1], QStringLiteral("Foyer Süd"));
        QCOMPARE(Q(ReadBytes(kept)), QStringLiteral("Keller\r\nFoyer Süd\r\n"));
        // A names file that breaks a rule is named, left unused and never written over.
        files->write("Etagenbezeichnungen.txt", "KG\nErdgeschoss\n");
        boxes.clear();
        Open(path);
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].startsWith(Q(kept) + ", Zeile 2: „Erdgeschoss“ ist länger als 10"));
        QVERIFY(boxes[0].endsWith("werden nicht verwendet und nicht überschrieben."));
        QCOMPARE(Edit(1)->text(), QStringLiteral("Keller"));
        QTest::mouseClick(etage->OKBtn, Qt::LeftButton);
        QCOMPARE(Q(ReadBytes(kept)), QStringLiteral("KG\nErdgeschoss\n"));
        // A names file that cannot be written (a folder in its place; Wine keeps a removed folder
        // while the program runs): the names apply for the run, said once.
        Open(files->write("stick/stat.csv", WorkedExampleFile()));
        std::filesystem::create_directories(FloorNamesFileBeside(files->file("stick/stat.csv")));
        boxes.clear();
        for (const char* name : {"Dach", "Dach2"}) {
            etage->show();
            Edit(2)->setText(QString::fromUtf8(name));
            QTest::mouseClick(etage->OKBtn, Qt::LeftButton);
            QCOMPARE(Names()[1], QString::fromUtf8(name));
        }
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].endsWith("gelten bis zum Programmende, werden aber nicht gespeichert."));
    }

    void windowsComeBackWhereTheyWereLeft() {
        // The first time centred; then where the user left it, also in the next run.
        const QRect left(40, 30, 700, 450);
        QPoint centred;
        {
            TStatDlg dlg;
            dlg.ShowChart();
            centred = dlg.geometry().center();
            dlg.setGeometry(left);
            QVERIFY(QTest::qWaitForWindowActive(&dlg));
            QTest::keyClick(&dlg, Qt::Key_Return); // OK is the default button
            QVERIFY(!dlg.isVisible());
        }
        TStatDlg again;
        again.ShowChart();
        QCOMPARE(again.geometry(), left);
        again.close();
        // A place off every screen now: placed as the first time.
        UserSettings()->setValue(QStringLiteral("Fenster/StatDlg/Ort"),
                                 QRect(4000, 3000, 700, 450));
        TStatDlg off;
        off.ShowChart();
        QCOMPARE(off.geometry().center(), centred);
        // The key figures window too; Escape closes it.
        off.close();
        Open(Example());
        etage->close();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        for (int run = 0; run < 2; ++run) {
            QTest::keySequence(w.get(), QKeySequence(Qt::CTRL | Qt::Key_K));
            TKennzahlenDlg* dlg = w->KeyFigures().Dialog();
            QVERIFY(dlg && dlg->isVisible());
            if (run == 1)
                QCOMPARE(dlg->geometry(), left);
            dlg->setGeometry(left);
            QApplication::setActiveWindow(dlg);
            QTest::keyClick(dlg, Qt::Key_Escape);
            QVERIFY(!dlg->isVisible());
        }
    }

    void keysPressTheButtonsTabLeavesTheMemo() {
        Open(Example());
        etage->close();
        QCOMPARE(w->OpenBtn->toolTip() + w->KeyFigures().KennzahlenBtn->toolTip(),
                 QStringLiteral("Statistik File öffnen (Strg+O)Kennzahlen (Strg+K)"));
        // Strg+1 … Strg+9, Strg+0, Strg+ß: the charts in the buttons' order, from the memo too.
        const Qt::Key keys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3,     Qt::Key_4,
                                Qt::Key_5, Qt::Key_6, Qt::Key_7,     Qt::Key_8,
                                Qt::Key_9, Qt::Key_0, Qt::Key_ssharp};
        QTest::mouseClick(w->countBtn, Qt::LeftButton); // enables the waiting times
        for (std::size_t i = 0; i < kCharts.size(); ++i) {
            const QKeySequence key(Qt::CTRL | keys[i]);
            QVERIFY(w->ChartButton(kCharts[i].id)
                        ->toolTip()
                        .endsWith(" (" + key.toString(QKeySequence::NativeText) + ")"));
            QTest::keySequence(w->DatenMemo, key);
            RecordingChartfx alone(false);
            DrawChart(kCharts[i].id, store, alone);
            QCOMPARE(chart.shown().heading(), alone.shown().heading());
        }
        const int runs = dialogRuns;
        nextFile.clear();
        QTest::keySequence(w->DatenMemo, QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(dialogRuns, runs + 1);
        // Tab leaves the memo and writes no tab character.
        const QString memo = w->DatenMemo->toPlainText();
        w->activateWindow();
        w->DatenMemo->setFocus();
        QTest::keyClick(w->DatenMemo, Qt::Key_Tab);
        QCOMPARE(w->DatenMemo->toPlainText(), memo);
        QVERIFY(!w->DatenMemo->hasFocus());
        // Strg+K is the window's, not the memo's "delete to the end of the line".
        w->DatenMemo->moveCursor(QTextCursor::Start);
        QTest::keySequence(w->DatenMemo, QKeySequence(Qt::CTRL | Qt::Key_K));
        QVERIFY(w->KeyFigures().Dialog() && w->KeyFigures().Dialog()->isVisible());
        QCOMPARE(w->DatenMemo->toPlainText(), memo);
    }

    void droppedFileLoadsAndTheLastFilesAreListed() {
        // A .csv dropped on the window or the memo loads; another file is not taken.
        const std::string text = files->write("notiz.txt", "x");
        std::vector<std::string> loaded;
        for (int i = 0; i < 10; ++i)
            loaded.push_back(files->write("stat" + std::to_string(i) + ".CSV", UniformFile(2)));
        const struct {
            std::string file;
            QWidget* target;
            bool loads;
        } drops[] = {{text, w.get(), false},
                     {loaded[0], w.get(), true},
                     {loaded[1], w->DatenMemo->viewport(), true}};
        for (const auto& d : drops) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(Q(d.file))});
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            enter.ignore();
            QApplication::sendEvent(d.target, &enter);
            QCOMPARE(enter.isAccepted(), d.loads);
            if (!d.loads)
                continue;
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(d.target, &drop);
            QTRY_COMPARE(store.FileName.str(), d.file);
            QVERIFY(w->DatenMemo->toPlainText().startsWith("QVL Gruppenstatistik"));
        }
        // The last eight, newest first, each once; in the next run too; an entry loads.
        for (std::size_t i = 2; i < loaded.size(); ++i)
            Open(loaded[i]);
        const QString started = QDir::currentPath(); // a name relative to it is listed whole
        QDir::setCurrent(Q(files->path().string()));
        Open("stat5.CSV");
        QDir::setCurrent(started);
        Create();
        QStringList listed;
        for (QAction* entry : w->ZuletztMenu->actions())
            listed << entry->toolTip();
        const int order[] = {5, 9, 8, 7, 6, 4, 3, 2};
        QStringList expected;
        for (int i : order)
            expected << Q(loaded[i]);
        QCOMPARE(listed, expected);
        QVERIFY(w->OpenBtn->menu() == w->ZuletztMenu);
        w->ZuletztMenu->actions().at(7)->trigger();
        QCOMPARE(store.FileName.str(), loaded[2]);
    }

    void overviewOpensAndComparesInTheMainWindow() {
        std::filesystem::create_directories(files->path() / "haus");
        const std::string nov = files->write("haus/nov.csv", ReadBytes(kSample));
        const std::string okt =
            files->write("haus/okt.csv", ReadBytes(GS_EXAMPLES "/buerohaus-14-oktober.csv"));
        QString start;
        w->Overview().SetChooser([&](const QString& from) {
            start = from;
            return Q(files->file("haus"));
        });
        Open(Example());
        QTest::mouseClick(w->Overview().UebersichtBtn, Qt::LeftButton);
        QCOMPARE(start, Q(files->path().string())); // the folder of the file loaded last
        TUebersichtDlg* dlg = w->Overview().Dialog();
        QVERIFY(dlg && dlg->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!dlg->Reading(), 20000);
        QCOMPARE(dlg->Rows().size(), std::size_t{2});
        // The pair: the newer file in the main window, the older as its comparison.
        dlg->Tabelle->selectAll();
        QTest::mouseClick(dlg->VergleichenBtn, Qt::LeftButton);
        QCOMPARE(std::string(store.FileName.view()), nov);
        QCOMPARE(w->Comparison().File(), QDir::toNativeSeparators(Q(okt)));
        QVERIFY(boxes.isEmpty());
        // A double-click opens a file as the open button does.
        dlg->RowDoubleClicked(dlg->Tabelle->model()->index(0, 1)); // October waits longer
        QCOMPARE(std::string(store.FileName.view()), okt);
        QVERIFY(w->Report().ReportBtn->isEnabled());
    }

    void errorBoxEndsTheText() {
        // A "." is appended when the last character's code is above that of ".".
        for (const char* text : {"Datei nicht gefunden", "Wirklich?", "I/O-Fehler 1013", "Größe"})
            QCOMPARE(ErrorBoxText(QString::fromUtf8(text)), QString::fromUtf8(text) + '.');
        for (const char* text : {"Fertig.", "Achtung!", "'x' fehlt'", "Text ", ""})
            QCOMPARE(ErrorBoxText(QString::fromUtf8(text)), QString::fromUtf8(text));
    }

    void exceptionsOfHandlersEndInTheErrorBox() {
        // A slot connected without Guarded too, and the loop goes on.
        QVERIFY(RunHandler([] {}));
        QVERIFY(!RunHandler([] { throw 42; }));
        QObject receiver;
        QTimer::singleShot(0, &receiver, [] { throw std::runtime_error("Drucker nicht bereit"); });
        bool later = false;
        QTimer::singleShot(1, &receiver, [&] { later = true; });
        QTRY_VERIFY(later);
        QCOMPARE(boxes, QStringList({"Unbekannter Fehler.", "Drucker nicht bereit."}));
    }
};

int main(int argc, char** argv) {
    PrepareGermanDates();
    GsApplication app(argc, argv); // which puts what handlers let through into the error box
    if (!PrepareApplication(app))
        qFatal("Qt's German translation (qtbase_de.qm) is not installed");
    TestStatistik test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_statistik.moc"
