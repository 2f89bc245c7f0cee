// TUebersichtDlg: the overview of a folder: a row per statistics file in it and its subfolders,
// read in the background; the trend of a group in the chart window, a pair compared in the main
// window, the table copied and exported (CSV, Excel, PDF).
#pragma once

#include "chartfx3/tchartfx.h"
#include "charts/overview.h"

#include <QString>
#include <QWidget>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class OverviewModel;
class QLabel;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QThread;
class QTimer;
class QToolButton;

// Modeless like the key figures; closing it (OK or the close box) only hides it and stops a
// reading still running.
class TUebersichtDlg : public QWidget {
    Q_OBJECT

public:
    // Opens a file in the main window (a path as the system spells it).
    using FileOpener = std::function<void(const std::string& path)>;
    // Opens `newer` in the main window with `older` as its comparison.
    using PairComparer = std::function<void(const std::string& newer, const std::string& older)>;
    // Shows the chart window and yields its control (StatDlgChartWindow by default).
    using ChartWindow = std::function<TChartfx&()>;
    // Runs the export's save dialog: the proposed path and the filter chosen (in and out); the
    // path, or an empty text when cancelled.
    using SaveChooser = std::function<QString(const QString& proposed, QString& filter)>;

    TUebersichtDlg(FileOpener open, PairComparer compare, QWidget* parent = nullptr);
    ~TUebersichtDlg() override; // stops the reading and waits for it

    QLabel* const OrdnerLabel;
    QTableView* const Tabelle;
    QProgressBar* const Fortschritt;
    QLabel* const StatusLabel;
    QPushButton* const AbbrechenBtn;
    QToolButton* const VerlaufBtn; // its menu: the waiting times or the calls per day
    QPushButton* const VergleichenBtn;
    QPushButton* const KopierenBtn;
    QPushButton* const ExportBtn;
    QPushButton* const OKBtn;

    // Shows the window and reads `folder` (a path as the system spells it) in the background,
    // the rows appearing as their files are read; a reading still running is stopped first.
    void ReadFolder(const std::string& folder);
    bool Reading() const;

    void AbbrechenBtnClick();
    // The trend of the current row's group in the chart window.
    void VerlaufClick(TrendChart which);
    // The two selected rows of one folder: the newer in the main window, the older period as
    // its comparison.
    void VergleichenBtnClick();
    // The table as shown (its order) as tab-separated text with a header row (also Ctrl+C).
    void KopierenBtnClick();
    // The table as shown into a CSV file, an Excel workbook or a PDF, by the filter chosen.
    void ExportBtnClick();
    void OKBtnClick();
    // On the folder column the trend of the row's group; elsewhere the file opens in the main
    // window, as the open button opens it.
    void RowDoubleClicked(const QModelIndex& index);

    // The rows in the order they were read, and as the table shows them.
    const std::vector<OverviewRow>& Rows() const;
    std::vector<OverviewRow> ShownRows() const;

    void SetChartWindow(ChartWindow window) { chartWindow_ = std::move(window); }
    void SetSaveChooser(SaveChooser chooser) { saveChooser_ = std::move(chooser); }

signals:
    // A reading ended, complete or stopped.
    void readingEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Stop();
    void TakeRows(); // the rows read since the last call, into the table
    void UpdateButtons();
    std::vector<int> SelectedRows() const; // rows of the model

    FileOpener open_;
    PairComparer compare_;
    ChartWindow chartWindow_;
    SaveChooser saveChooser_;
    OverviewModel* model_;
    QSortFilterProxyModel* proxy_;
    QTimer* timer_;
    std::string folder_;
    bool placed_ = false;

    // Shared with the reading thread.
    QThread* thread_ = nullptr;
    std::uint64_t readings_ = 0; // ReadFolder's calls: which reading a thread's end belongs to
    std::atomic<bool> cancel_{false};
    std::atomic<std::size_t> total_{0}, done_{0};
    std::mutex mutex_;
    std::vector<OverviewRow> incoming_;
    std::string failure_; // the folder itself could not be read
};
