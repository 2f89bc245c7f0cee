#include "ui/reportaction.h"

#include "chartfx3/report/reportpdf.h"
#include "charts/reportcontent.h"
#include "statglob/qtext.h"
#include "ui/comparisonpanel.h"
#include "ui/errorbox.h"
#include "ui/mainpictures.h"
#include "ui/memolines.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QToolButton>

ReportAction::ReportAction(QWidget& window, StatisticsStore& store, const QPlainTextEdit& memo,
                           const ComparisonPanel& comparison)
    : ReportBtn(PictureButton(window, QStringLiteral("ReportBtn"), 152, ReportPicture(),
                              QStringLiteral("Bericht als PDF speichern"))),
      store_(store), memo_(memo), comparison_(comparison) {
    ReportBtn->setEnabled(false);
    QObject::connect(ReportBtn, &QToolButton::clicked, &window,
                     Guarded(&window, [this] { ReportBtnClick(); }));
    // Ctrl+S is the button's key: it does nothing while the button is disabled.
    QObject::connect(new QShortcut(QKeySequence::Save, &window), &QShortcut::activated, &window,
                     [this] {
                         if (ReportBtn->isEnabled())
                             ReportBtn->click();
                     });
    chooser_ = [&window](const QString& proposed) {
        // MayWrite asks, after the suffix is added and the inputs are refused.
        return QFileDialog::getSaveFileName(&window, QStringLiteral("Bericht als PDF speichern"),
                                            proposed, QStringLiteral("PDF-Dokument (*.pdf)"),
                                            nullptr, QFileDialog::DontConfirmOverwrite);
    };
}

void ReportAction::ReportBtnClick() {
    // Proposed beside the statistics file, named after it.
    const StatisticsStore* other = comparison_.Store();
    const QFileInfo statistics(QDir::fromNativeSeparators(QText(store_.FileName.view())));
    const QString proposed = statistics.absoluteDir().filePath(
        statistics.completeBaseName() + (other ? "_Vergleich.pdf" : "_Bericht.pdf"));
    QString path = chooser_ ? chooser_(proposed) : QString();
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    if (!MayWrite(path, {QText(store_.FileName.view()), comparison_.File()}, ReportBtn->window()))
        return;
    ReportContent content = BuildReportContent(store_);
    content.coverParagraphs.clear();
    for (const QString& paragraph : memo_.toPlainText().split(QLatin1Char('\n')))
        content.coverParagraphs.push_back(paragraph.toStdString());
    if (other)
        AddComparison(content, store_, *other);
    WriteReportPdf(FileNameBytes(path), content, kMemoTextWidth);
    ShowNoteBox(QStringLiteral("Bericht gespeichert: ") + QDir::toNativeSeparators(path),
                ReportBtn->window());
}
