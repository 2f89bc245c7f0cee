// OverviewAction: the main window's overview: its button chooses a folder and opens the
// overview of it ("Übersicht"), whose rows open files in the main window.
#pragma once

#include "statglob/store.h"
#include "ui/uebersicht.h"

#include <QString>

#include <functional>

class QToolButton;
class QWidget;

class OverviewAction {
public:
    // Runs the folder dialog from `start`; the folder chosen, or an empty text when cancelled.
    using FolderChooser = std::function<QString(const QString& start)>;

    OverviewAction(QWidget& window, const StatisticsStore& store, TUebersichtDlg::FileOpener open,
                   TUebersichtDlg::PairComparer compare);

    QToolButton* const UebersichtBtn;

    // The folder dialog, starting in the folder of the file loaded last, then the overview.
    void UebersichtBtnClick();
    // The overview window, built on the first use; null before.
    TUebersichtDlg* Dialog() const { return dialog_; }
    void SetChooser(FolderChooser chooser) { chooser_ = std::move(chooser); }

private:
    QWidget& window_;
    const StatisticsStore& store_;
    TUebersichtDlg::FileOpener open_;
    TUebersichtDlg::PairComparer compare_;
    FolderChooser chooser_;
    TUebersichtDlg* dialog_ = nullptr;
};
