#include "ui/keyfigureaction.h"

#include "charts/comparison.h"
#include "charts/keyfigures.h"
#include "ui/comparisonpanel.h"
#include "ui/errorbox.h"
#include "ui/kennzahlen.h"
#include "ui/mainpictures.h"

#include <QToolButton>

KeyFigureAction::KeyFigureAction(QWidget& window, const StatisticsStore& store,
                                 const ComparisonPanel& comparison)
    // Below the chart buttons, styled like them.
    : KennzahlenBtn(TextButton(window, QStringLiteral("KennzahlenBtn"), QRect(24, 344, 145, 25),
                               QStringLiteral("Kennzahlen"))),
      window_(window), store_(store), comparison_(comparison) {
    KennzahlenBtn->setEnabled(false);
    QObject::connect(KennzahlenBtn, &QToolButton::clicked, &window,
                     Guarded(&window, [this] { KennzahlenBtnClick(); }));
}

void KeyFigureAction::KennzahlenBtnClick() {
    ShowFigures(true);
}

void KeyFigureAction::Refresh() {
    ShowFigures(false);
}

void KeyFigureAction::ShowFigures(bool evenIfHidden) {
    if (!dialog_) {
        if (!evenIfHidden)
            return;
        dialog_ = new TKennzahlenDlg(&window_);
    }
    const StatisticsStore* other = comparison_.Store();
    const KeyFigureTable table =
        other ? ComparisonTable(Compare(store_, *other)) : KeyFigureTableOf(store_);
    if (evenIfHidden || dialog_->isVisible())
        dialog_->ShowFigures(table);
    else
        dialog_->SetFigures(table);
}
