// TStatDlg: the chart window, which shows the chart drawn last, prints it and takes it along
// (clipboard, image files, figures as CSV, print preview).
#pragma once

#include "charts/charts.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QAction;
class QPrintPreviewDialog;
class QPushButton;
class QToolButton;
class QtChartfx;

// Modeless; closing it (OK or the close box) only hides it. The chart handlers show it with
// ShowChart and then draw into StatChart.
class TStatDlg : public QWidget {
    Q_OBJECT

public:
    // The client area in which the controls sit at their places: an outer size of 640 x 428
    // with the usual window frame. The window may grow; the chart grows with it.
    static constexpr QSize kClientSize{632, 401};

    explicit TStatDlg(QWidget* parent = nullptr);

    // Runs a save dialog: caption, proposed path, filters ("a (*.x);;b (*.y)") and the filter
    // chosen, in and out. The chosen path, or an empty text when it was cancelled.
    using SaveChooser = std::function<QString(const QString& caption, const QString& proposed,
                                              const QString& filters, QString& filter)>;
    // Runs the print preview dialog (modally, by default).
    using PreviewRunner = std::function<void(QPrintPreviewDialog&)>;

    // The controls, created with the window and owned by it.
    QtChartfx* const StatChart;
    QToolButton* const PrintBtn;
    QPushButton* const OKBtn;
    // The right-click menu's entries, also reached by their keys while the window is active.
    QAction* const KopierenAction;      // Ctrl+C
    QAction* const BildSpeichernAction; // Ctrl+S
    QAction* const DatenExportAction;
    QAction* const DruckvorschauAction;

    // Shows the window without waiting: where the user left it (also in an earlier run), else
    // centred on the screen the first time; brought to the front (and back from its icon) when
    // it is already visible.
    void ShowChart();

    // Prints the chart shown with gaps of 200, then sets them back to 40, also when printing
    // throws (the exception then leaves the handler for the error box).
    void PrintBtnClick();
    // Hides the window; the chart stays in StatChart until the next one replaces it.
    void OKBtnClick();

    // The chart as an image and its figures as tab-separated text, in one clipboard entry.
    void KopierenActionClick();
    // PNG, SVG or PDF by the filter chosen (the name gets its suffix), at the chart's size on
    // screen; the PNG has ImageScale() times its pixels.
    void BildSpeichernActionClick();
    // The figures as CSV for German Excel.
    void DatenExportActionClick();
    // The print preview of exactly the page PrintBtnClick prints; printing from it works.
    void DruckvorschauActionClick();

    // Where the chart shown comes from, for the names the save dialogs propose
    // ("<folder>/<file stem>_<chart>.<suffix>"); the statistics and the comparison file are
    // never written (MayWrite).
    void SetChartOrigin(const QString& statisticsFile, ChartId chart,
                        const QString& comparisonFile = {});
    // A chart drawn from several files (the trend of a group): the save dialogs propose
    // "<proposedStem>.<suffix>" and never write one of `inputs`.
    void SetTrendOrigin(const QString& proposedStem, const QStringList& inputs);
    // The path a save dialog proposes for a file with this suffix.
    QString ProposedPath(const QString& suffix) const;

    void SetSaveChooser(SaveChooser chooser) { saveChooser_ = std::move(chooser); }
    void SetPreviewRunner(PreviewRunner runner) { previewRunner_ = std::move(runner); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize ExportSize() const;
    // Of the pixel images: twice the screen's device pixel ratio.
    double ImageScale() const;
    // The save dialog's path with the suffix of the filter chosen (suffixOfFilter, or else
    // proposedSuffix); empty when cancelled or when the user keeps an existing file. Throws
    // when it names an input or no regular file.
    QString ChooseSavePath(const QString& caption, const QString& proposedSuffix,
                           const QString& filters, QString& filter,
                           const std::function<QString()>& suffixOfFilter = {});

    bool placed_ = false; // where the user left it, or else centred when first shown
    QString statisticsFile_;
    QString comparisonFile_;
    QString chartName_ = QStringLiteral("Diagramm");
    QString proposedStem_; // of a trend
    QStringList inputs_;   // of a trend
    SaveChooser saveChooser_;
    PreviewRunner previewRunner_;
};

// The one chart window, created once at start-up after the main window.
extern TStatDlg* StatDlg;
