#include "ui/comparisonpanel.h"

#include "charts/comparison.h"
#include "statglob/qtext.h"
#include "ui/errorbox.h"
#include "ui/mainpictures.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

ComparisonPanel::ComparisonPanel(QWidget& window, const StatisticsStore& store,
                                 FileChooser chooseFile)
    : QObject(&window),
      // Between the report button and the folder label, which starts at 208.
      VergleichBtn(PictureButton(window, QStringLiteral("VergleichBtn"), 178, ComparePicture(),
                                 QStringLiteral("Vergleichsdatei laden"))),
      VergleichLabel(new QLabel(&window)), store_(store), chooseFile_(std::move(chooseFile)) {
    VergleichBtn->setEnabled(false);
    connect(VergleichBtn, &QToolButton::clicked, this,
            Guarded(&window, [this] { VergleichBtnClick(); }));
    auto* menu = new QMenu(VergleichBtn);
    menu->setObjectName(QStringLiteral("VergleichMenu"));
    connect(menu->addAction(QStringLiteral("Vergleich ersetzen…")), &QAction::triggered, this,
            Guarded(&window, [this] { VergleichBtnClick(); }));
    connect(menu->addAction(QStringLiteral("Vergleich entfernen")), &QAction::triggered, this,
            Guarded(&window, [this] { VergleichEntfernenClick(); }));

    VergleichLabel->setObjectName(QStringLiteral("VergleichLabel"));
    VergleichLabel->setTextFormat(Qt::PlainText);
    VergleichLabel->setWordWrap(true);
    VergleichLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    VergleichLabel->setGeometry(28, 372, 180, 40);
    VergleichLabel->hide();
}

void ComparisonPanel::VergleichBtnClick() {
    const QString path = chooseFile_ ? chooseFile_() : QString();
    if (!path.isEmpty())
        OpenComparisonFile(path);
}

void ComparisonPanel::OpenComparisonFile(const QString& path) {
    const std::string file = FileNameBytes(QDir::toNativeSeparators(path));
    try {
        vergleich_ = LoadComparisonStore(file);
    } catch (const std::exception& e) {
        throw LoadFailure(e, file, true);
    }
    Show();
    emit changed();
}

QString ComparisonPanel::File() const {
    return vergleich_ ? QText(vergleich_->FileName.view()) : QString();
}

void ComparisonPanel::VergleichEntfernenClick() {
    vergleich_.reset();
    Show();
    emit changed();
}

void ComparisonPanel::Show() {
    if (!vergleich_) {
        VergleichBtn->setToolTip(QStringLiteral("Vergleichsdatei laden"));
        VergleichBtn->setMenu(nullptr);
        VergleichBtn->setPopupMode(QToolButton::DelayedPopup);
        VergleichLabel->hide();
        return;
    }
    const Comparison c = Compare(store_, *vergleich_);
    VergleichBtn->setToolTip(QStringLiteral("Vergleich: ") + QText(c.otherFile));
    VergleichBtn->setMenu(VergleichBtn->findChild<QMenu*>(QStringLiteral("VergleichMenu")));
    VergleichBtn->setPopupMode(QToolButton::InstantPopup);
    QString text =
        QStringLiteral("Vergleich mit %1 (%2)").arg(QText(c.otherFile), QText(c.otherPeriod));
    if (c.floorCount != c.otherFloorCount)
        text += QStringLiteral(", nur Etagen 1 bis %1 (%2 und %3 Etagen)")
                    .arg(c.comparedFloors)
                    .arg(c.floorCount)
                    .arg(c.otherFloorCount);
    VergleichLabel->setText(text);
    VergleichLabel->show();
}
