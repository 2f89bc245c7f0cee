// KeyFigureAction: the main window's key figures: the button below the chart buttons and the
// window it opens, with the loaded file's figures or, with a comparison, both side by side.
#pragma once

#include "statglob/store.h"

class ComparisonPanel;
class QToolButton;
class QWidget;
class TKennzahlenDlg;

class KeyFigureAction {
public:
    KeyFigureAction(QWidget& window, const StatisticsStore& store,
                    const ComparisonPanel& comparison);

    QToolButton* const KennzahlenBtn; // no check mark: it draws no chart

    // Computes the figures and shows them in their window.
    void KennzahlenBtnClick();
    // A window already built gets the figures of now; an open one shows them.
    void Refresh();
    // The key-figures window, built on the first press of the button; null before.
    TKennzahlenDlg* Dialog() const { return dialog_; }

private:
    void ShowFigures(bool evenIfHidden);

    QWidget& window_;
    const StatisticsStore& store_;
    const ComparisonPanel& comparison_;
    TKennzahlenDlg* dialog_ = nullptr;
};
