#include "ui/overviewaction.h"

#include "statglob/qtext.h"
#include "ui/errorbox.h"
#include "ui/mainpictures.h"

#include <QDir>
#include <QFileDialog>
#include <QToolButton>

OverviewAction::OverviewAction(QWidget& window, const StatisticsStore& store,
                               TUebersichtDlg::FileOpener open,
                               TUebersichtDlg::PairComparer compare)
    // At the right end of the tool bar, before the version.
    : UebersichtBtn(PictureButton(window, QStringLiteral("UebersichtBtn"), 472, OverviewPicture(),
                                  QStringLiteral("Übersicht…: alle Statistikdateien eines "
                                                 "Ordners und seiner Unterordner, ihr Verlauf"))),
      window_(window), store_(store), open_(std::move(open)), compare_(std::move(compare)) {
    QObject::connect(UebersichtBtn, &QToolButton::clicked, &window,
                     Guarded(&window, [this] { UebersichtBtnClick(); }));
    chooser_ = [&window](const QString& start) {
        return QFileDialog::getExistingDirectory(
            &window, QStringLiteral("Ordner für die Übersicht"), start,
            QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    };
}

void OverviewAction::UebersichtBtnClick() {
    QString start = QText(store_.LastDir.view());
    if (start.isEmpty())
        start = QDir::homePath();
    const QString folder = chooser_ ? chooser_(start) : QString();
    if (folder.isEmpty())
        return;
    if (!dialog_)
        dialog_ = new TUebersichtDlg(open_, compare_, &window_);
    dialog_->ReadFolder(FileNameBytes(QDir::toNativeSeparators(folder)));
}
