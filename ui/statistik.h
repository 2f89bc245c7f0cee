// Thaupt: the main window: tool buttons, the eleven chart buttons with their check marks and
// the cover-sheet memo; it loads statistics files and prints the cover sheet. The report, the
// key figures and the comparison are small classes of their own beside it.
#pragma once

#include "chartfx3/tchartfx.h"
#include "charts/charts.h"
#include "statglob/store.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class ComparisonPanel;
class KeyFigureAction;
class OverviewAction;
class QFileDialog;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QToolButton;
class ReportAction;

class Thaupt : public QWidget {
    Q_OBJECT

public:
    // The chart window's control the chart handlers draw into. ChartWindowUse::Show shows the
    // window (modeless, or brings it to the front) first; IfOpen yields it only while the
    // window is open, else null. StatDlgChartWindow() unless a test puts its own here.
    enum class ChartWindowUse { Show, IfOpen };
    using ChartWindow = std::function<TChartfx*(ChartWindowUse)>;
    // Runs the open dialog; the chosen path, or an empty text when it was cancelled.
    using FileChooser = std::function<QString(QFileDialog&)>;
    // The printer the cover sheet goes to; throws when there is none.
    using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;

    // Runs FormCreate: reads the last folder.
    explicit Thaupt(StatisticsStore& store, QWidget* parent = nullptr);
    ~Thaupt() override;

    // The controls, named as the handlers know them.
    QFrame* Bevel1;
    QToolButton* ExitBtn;
    QToolButton* OpenBtn;
    QToolButton* PrintBtn;
    QToolButton* PrinterSetupBtn;
    QLabel* Label1;
    QLabel* VersionsLabel;
    QToolButton* count_hourBtn;
    QToolButton* count_hour_abBtn;
    QToolButton* w_timeBtn;
    QToolButton* countBtn;
    QToolButton* count_a_aufBtn;
    QToolButton* count_a_abBtn;
    QToolButton* count_b_aufBtn;
    QToolButton* count_b_abBtn;
    QToolButton* VerteilBtn;
    QToolButton* TravelBtn;
    QToolButton* RufeZeitEtBtn;
    QToolButton* count_hourHaken;
    QToolButton* count_hour_abHaken;
    QToolButton* w_timeHaken;
    QToolButton* countHaken;
    QToolButton* count_a_aufHaken;
    QToolButton* count_a_abHaken;
    QToolButton* count_b_aufHaken;
    QToolButton* count_b_abHaken;
    QToolButton* VerteilHaken;
    QToolButton* TravelHaken;
    QToolButton* RufeZeitEtHaken;
    QFrame* Bevel2;
    QPlainTextEdit* DatenMemo;
    QLabel* LogoImage;
    QFileDialog* OpenDlg;
    // The files loaded last, on a right click on OpenBtn or while it is held.
    QMenu* ZuletztMenu;

    QToolButton* ChartButton(ChartId id) const;
    QToolButton* CheckMark(ChartId id) const;

    ReportAction& Report() const { return *report_; }
    ComparisonPanel& Comparison() const { return *comparison_; }
    KeyFigureAction& KeyFigures() const { return *keyFigures_; }
    OverviewAction& Overview() const { return *overview_; }

    // Handlers. Exceptions leave them; the buttons reach them through the error box.
    void ExitBtnClick();
    void OpenBtnClick();
    void PrintBtnClick();
    void PrinterSetupBtnClick();
    void count_hourBtnClick();
    void count_hour_abBtnClick();
    void w_timeBtnClick();
    void countBtnClick();
    void count_a_aufBtnClick();
    void count_a_abBtnClick();
    void count_b_aufBtnClick();
    void count_b_abBtnClick();
    void VerteilBtnClick();
    void TravelBtnClick();
    void RufeZeitEtBtnClick();

    // The open-file flow after the dialog: read, set the buttons, parse, cover sheet, floor
    // names dialog. Also what a file named on the command line goes through, with its name's
    // bytes as given (a Latin-1 name too).
    void OpenStatisticsFile(const QString& path);
    void OpenStatisticsFile(const std::string& nativePath);

    // The memo's lines as it displays them, a wrapped line counting as several.
    QStringList CoverLines() const;
    // The logo bitmap that LogoImage holds, the source of the printed logo.
    const QImage& Logo() const { return logo_; }

    // Where the open dialog starts when no last folder is known: a folder that exists.
    static QString DefaultFolder();
    // The files no save may write: the statistics and the comparison file.
    QStringList InputFiles() const;

    void SetChartWindow(ChartWindow chartWindow) { chartWindow_ = std::move(chartWindow); }
    void SetFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }
    void SetPrinterSource(PrinterSource source) { printerSource_ = std::move(source); }

signals:
    // The window was closed: the run ends.
    void closed();
    // A chart button drew its chart from the statistics file (a path, as loaded), beside the
    // comparison file when one is loaded.
    void chartDrawn(const QString& statisticsFile, ChartId chart, const QString& comparisonFile);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A statistics file dropped anywhere on the window, the memo included, loads.
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    // Draws the chart into the chart window; with IfOpen only when that is open.
    void DrawChartOf(ChartId id, ChartWindowUse use = ChartWindowUse::Show);
    // A comparison loaded or dropped: the open chart window's chart follows when it has both.
    void FollowComparison();
    bool TakeDrop(QEvent* event);
    void ShowRecentFiles();
    void SetButtonsAfterRead();
    void ShowLastDir();
    QString ChooseFile();
    QString ChooseComparisonFile();

    StatisticsStore& store_;
    QImage logo_;
    std::array<QToolButton*, kCharts.size()> chartButtons_{};
    std::array<QToolButton*, kCharts.size()> checkMarks_{};
    ChartWindow chartWindow_;
    FileChooser fileChooser_;
    PrinterSource printerSource_;
    ComparisonPanel* comparison_;
    std::optional<ChartId> shownChart_; // drawn last into the chart window
    std::unique_ptr<KeyFigureAction> keyFigures_;
    std::unique_ptr<ReportAction> report_;
    std::unique_ptr<OverviewAction> overview_;
    // False when the last-directory file could not be read for another reason than its
    // absence (no regular file, no permission): it is then left as it is.
    bool lastDirKept_ = true;
};

// The one main window of the run.
extern Thaupt* haupt;

// The chart window as the main window reaches it by default: the global StatDlg, shown or
// brought to the front, and its chart control.
Thaupt::ChartWindow StatDlgChartWindow();

// The printer the cover sheet goes to by default: the system's default printer; throws a
// German std::runtime_error when no printer is installed.
std::unique_ptr<QPrinter> DefaultCoverPrinter();
