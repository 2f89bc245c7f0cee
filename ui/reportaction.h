// ReportAction: the main window's report: its button (and Ctrl+S) saves the loaded file's
// report as PDF, the memo's text as the cover sheet, as the report tool writes it.
#pragma once

#include "statglob/store.h"

#include <QString>

#include <functional>

class ComparisonPanel;
class QPlainTextEdit;
class QToolButton;
class QWidget;

class ReportAction {
public:
    // Runs the save dialog with the proposed path; the chosen path, or an empty text when it was
    // cancelled.
    using Chooser = std::function<QString(const QString& proposed)>;

    ReportAction(QWidget& window, StatisticsStore& store, const QPlainTextEdit& memo,
                 const ComparisonPanel& comparison);

    QToolButton* const ReportBtn;

    // The save dialog, proposing "<Datei>_Bericht.pdf" beside the statistics file, then the PDF:
    // the memo's text as the cover sheet, the eleven charts with the current floor names; with
    // a comparison loaded, the comparison report ("<Datei>_Vergleich.pdf"). A note names the
    // file written.
    void ReportBtnClick();
    void SetChooser(Chooser chooser) { chooser_ = std::move(chooser); }

private:
    StatisticsStore& store_;
    const QPlainTextEdit& memo_;
    const ComparisonPanel& comparison_;
    Chooser chooser_;
};
