// The overview window: reading in the background, cancelling, the order and sorting, the
// enabled buttons, double-click, the comparison of a pair, the trend, copying and exporting.
#include "chartfx3/recordingchartfx.h"
#include "charts/overviewxlsx.h"
#include "statglob/text.h"
#include "tests/support/pdftools.h"
#include "tests/support/testfiles.h"
#include "ui/errorbox.h"
#include "ui/uebersicht.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include <filesystem>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

class TestUebersicht : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> dir;
    std::unique_ptr<TUebersichtDlg> dlg;
    RecordingChartfx chart;
    std::vector<std::string> opened;
    std::vector<std::pair<std::string, std::string>> compared;
    QStringList boxes;
    QString chosenPath, chosenFilter;

    std::string Folder() const { return dir->path().string(); }
    // A building "haus" of three months (14 floors: the sample and its October, a copy of
    // the October file a month earlier), a broken file, another building of 40 floors.
    void MakeFleet() {
        namespace fs = std::filesystem;
        fs::create_directories(dir->path() / "haus");
        fs::create_directories(dir->path() / "turm");
        dir->write("haus/nov.csv", ReadBytes(GS_EXAMPLES "/buerohaus-14.csv"));
        const std::string october = ReadBytes(GS_EXAMPLES "/buerohaus-14-oktober.csv");
        dir->write("haus/okt.csv", october);
        std::string september = october;
        september.replace(september.find("10.10.26"), 8, "10.09.26");
        september.replace(september.find("04.10.26"), 8, "04.09.26");
        dir->write("haus/sep.csv", september);
        std::string broken = october;
        dir->write("haus/kaputt.csv", broken.replace(broken.find("\r\n3;") + 4, 1, "x"));
        dir->write("turm/nov.csv", ReadBytes(GS_EXAMPLES "/hochhaus-40.csv"));
    }
    void Read() {
        QSignalSpy ended(dlg.get(), &TUebersichtDlg::readingEnded);
        dlg->ReadFolder(Folder());
        QVERIFY(ended.wait(20000));
    }
    int Row(const std::string& relative) const {
        const auto rows = dlg->ShownRows();
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].relative == relative)
                return static_cast<int>(i);
        return -1;
    }
    void Select(std::initializer_list<std::string> relatives, int column = 1) {
        dlg->Tabelle->clearSelection();
        for (const std::string& r : relatives) {
            const QModelIndex index = dlg->Tabelle->model()->index(Row(r), column);
            dlg->Tabelle->selectionModel()->select(index, QItemSelectionModel::Select |
                                                              QItemSelectionModel::Rows);
            dlg->Tabelle->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        }
    }
    void DoubleClick(const std::string& relative, int column) {
        QWidget* viewport = dlg->Tabelle->viewport();
        const QModelIndex index = dlg->Tabelle->model()->index(Row(relative), column);
        dlg->Tabelle->scrollTo(index);
        const QPoint at = dlg->Tabelle->visualRect(index).center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at); // the view wants the press first
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    }
    std::vector<std::string> Shown() const {
        std::vector<std::string> files;
        for (const OverviewRow& r : dlg->ShownRows())
            files.push_back(r.relative);
        return files;
    }

private slots:
    void initTestCase() {
        SetErrorPresenter([this](const QString& text, QWidget*) { boxes << text; });
        SetOverwriteQuestion([](const QString&, QWidget*) { return true; });
    }
    void init() {
        dir = std::make_unique<TempDir>();
        opened.clear();
        compared.clear();
        boxes.clear();
        dlg = std::make_unique<TUebersichtDlg>(
            [this](const std::string& p) { opened.push_back(p); },
            [this](const std::string& a, const std::string& b) { compared.emplace_back(a, b); });
        dlg->SetChartWindow([this]() -> TChartfx& { return chart; });
        dlg->SetSaveChooser([this](const QString&, QString& filter) {
            filter = chosenFilter;
            return chosenPath;
        });
    }
    void cleanup() { dlg.reset(); }

    void readsInTheBackgroundWorstFirstAndSorts() {
        MakeFleet();
        Read();
        QVERIFY(!dlg->Reading());
        QVERIFY(!dlg->AbbrechenBtn->isEnabled());
        QCOMPARE(dlg->Fortschritt->value(), 5);
        QCOMPARE(dlg->StatusLabel->text(), QStringLiteral("5 Dateien, davon 1 nicht lesbar"));
        // The worst average waiting time first (October 15,4 s, September the same, November
        // 13,8 s, the tower 13,4 s), the broken file last, in either order.
        QCOMPARE(Shown(), (std::vector<std::string>{"haus/okt.csv", "haus/sep.csv", "haus/nov.csv",
                                                    "turm/nov.csv", "haus/kaputt.csv"}));
        dlg->Tabelle->sortByColumn(static_cast<int>(kWaitColumn), Qt::AscendingOrder);
        QCOMPARE(Shown().front(), std::string("turm/nov.csv"));
        QCOMPARE(Shown().back(), std::string("haus/kaputt.csv"));
        // Floors by number: 14 before 40 (and 4 would come before both).
        dlg->Tabelle->sortByColumn(4, Qt::DescendingOrder);
        QCOMPARE(Shown().front(), std::string("turm/nov.csv"));
        QCOMPARE(Shown().back(), std::string("haus/kaputt.csv"));
        // The trend note: none, the three months wait alike.
        const auto rows = dlg->ShownRows();
        QVERIFY(rows[static_cast<std::size_t>(Row("haus/kaputt.csv"))].error.find(
                    "ist kein gültiger Integerwert") != std::string::npos);
        QCOMPARE(dlg->Tabelle->model()->index(Row("haus/kaputt.csv"), 0).data().toString(),
                 QStringLiteral("haus"));

        // Copying: the header, then the rows as shown.
        dlg->KopierenBtnClick();
        const QStringList lines =
            QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 7); // header, five rows, the empty rest
        QVERIFY(lines[0].startsWith(QStringLiteral("Ordner\tDatei\tZeitraum\t")));
        QVERIFY(lines[1].startsWith(QStringLiteral("turm\tnov.csv\t")));
    }

    void cancellingKeepsTheRowsRead() {
        std::filesystem::create_directories(dir->path() / "viele");
        const std::string bytes = ReadBytes(GS_EXAMPLES "/hochhaus-40.csv");
        for (int i = 0; i < 1500; ++i)
            dir->write("viele/" + std::to_string(i) + ".csv", bytes);
        QSignalSpy ended(dlg.get(), &TUebersichtDlg::readingEnded);
        dlg->ReadFolder(Folder());
        QVERIFY(dlg->Reading());
        QVERIFY(dlg->AbbrechenBtn->isEnabled());
        QTest::mouseClick(dlg->AbbrechenBtn, Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QVERIFY(!dlg->Reading());
        QVERIFY(!dlg->AbbrechenBtn->isEnabled());
        QVERIFY(dlg->Rows().size() < 1500);
        QVERIFY2(dlg->StatusLabel->text().startsWith(QStringLiteral("Abgebrochen: ")),
                 qPrintable(dlg->StatusLabel->text()));
        // Read again, and let it end: every file is a row.
        Read();
        QCOMPARE(dlg->Rows().size(), std::size_t{1500});
        QCOMPARE(dlg->StatusLabel->text(), QStringLiteral("1500 Dateien, davon 0 nicht lesbar"));
    }

    void buttonsDoubleClickCompareTrendAndExport() {
        MakeFleet();
        Read();
        const struct {
            std::initializer_list<std::string> rows;
            bool verlauf, vergleichen;
        } states[] = {
            {{"haus/nov.csv"}, true, false},
            {{"haus/nov.csv", "haus/okt.csv"}, true, true},
            {{"haus/nov.csv", "turm/nov.csv"}, true, false},     // two buildings
            {{"haus/nov.csv", "haus/kaputt.csv"}, false, false}, // unreadable (and current)
            {{"haus/nov.csv", "haus/okt.csv", "haus/sep.csv"}, true, false},
        };
        for (const auto& s : states) {
            Select(s.rows);
            QCOMPARE(dlg->VerlaufBtn->isEnabled(), s.verlauf);
            QCOMPARE(dlg->VergleichenBtn->isEnabled(), s.vergleichen);
        }
        // The older period is the comparison, whichever was selected first.
        Select({"haus/okt.csv", "haus/nov.csv"});
        dlg->VergleichenBtnClick();
        QCOMPARE(compared.size(), std::size_t{1});
        // Compared as paths: Windows gives its own separators.
        const auto same = [](const std::string& a, const std::string& b) {
            return std::filesystem::path(a).lexically_normal() ==
                   std::filesystem::path(b).lexically_normal();
        };
        QVERIFY(same(compared[0].first, dir->file("haus/nov.csv")));
        QVERIFY(same(compared[0].second, dir->file("haus/okt.csv")));

        // Double-click: a file opens; on the folder the trend of its group, in date order.
        DoubleClick("haus/okt.csv", 2);
        QCOMPARE(opened.size(), std::size_t{1});
        QVERIFY(same(opened[0], dir->file("haus/okt.csv")));
        DoubleClick("haus/okt.csv", 0);
        QCOMPARE(opened.size(), std::size_t{1}); // the folder column opens nothing
        ChartModel m = chart.shown();
        QCOMPARE(m.categories, (std::vector<std::string>{"04.09.26", "04.10.26", "01.11.26"}));
        QCOMPARE(m.series.size(), std::size_t{3});
        QCOMPARE(Q(m.heading()),
                 QStringLiteral("Verlauf der mittleren Wartezeit: haus (14 Etagen)"));
        Select({"turm/nov.csv"});
        dlg->VerlaufClick(TrendChart::CallsPerDay);
        QCOMPARE(chart.shown().categories, std::vector<std::string>{"01.11.26"});
        DoubleClick("haus/kaputt.csv", 0);
        QCOMPARE(boxes.size(), 1);

        // Export: the table as shown, by the filter chosen, the suffix added.
        for (int f = 0; f < 3; ++f) {
            const QString filters[] = {QStringLiteral("CSV-Datei (*.csv)"),
                                       QStringLiteral("Excel-Arbeitsmappe (*.xlsx)"),
                                       QStringLiteral("PDF-Dokument (*.pdf)")};
            chosenFilter = filters[f];
            chosenPath = Q(dir->file("aus/tabelle"));
            std::filesystem::create_directories(dir->path() / "aus");
            if (f == 1 && !CanWriteXlsx()) // a build without libxlsxwriter says so
                QVERIFY_THROWS_EXCEPTION(std::runtime_error, dlg->ExportBtnClick());
            else
                dlg->ExportBtnClick();
        }
        QCOMPARE(Q(ReadBytes(dir->file("aus/tabelle.csv"))), Q(OverviewCsv(dlg->ShownRows())));
        QCOMPARE(std::filesystem::exists(dir->file("aus/tabelle.xlsx")), CanWriteXlsx());
        if (CanWriteXlsx())
            QCOMPARE(ReadBytes(dir->file("aus/tabelle.xlsx")).substr(0, 2), std::string("PK"));
        QCOMPARE(ReadBytes(dir->file("aus/tabelle.pdf")).substr(0, 5), std::string("%PDF-"));
#ifndef _WIN32 // poppler's Linux tools cannot be started under Wine
        QVERIFY(Q(PdfText(dir->file("aus/tabelle.pdf"))).contains(QStringLiteral("nov.csv")));
#endif
        // Never over one of the files read.
        chosenFilter = QStringLiteral("CSV-Datei (*.csv)");
        chosenPath = Q(dir->file("haus/nov.csv"));
        const std::string before = ReadBytes(dir->file("haus/nov.csv"));
        boxes.clear();
        QTest::mouseClick(dlg->ExportBtn, Qt::LeftButton);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(ReadBytes(dir->file("haus/nov.csv")), before);
    }
};

QTEST_MAIN(TestUebersicht)
#include "test_uebersicht.moc"
