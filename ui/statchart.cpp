#include "ui/statchart.h"

#include "chartfx3/chartprinting.h"
#include "chartfx3/paint/chartexport.h"
#include "chartfx3/qtchartfx.h"
#include "charts/figurestext.h"
#include "statglob/qtext.h"
#include "ui/errorbox.h"
#include "ui/mainpictures.h"
#include "ui/modeless.h"
#include "ui/usersettings.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSvgRenderer>
#include <QToolButton>

#include <stdexcept>

TStatDlg* StatDlg = nullptr;

namespace {

// Places in the client area of kClientSize (left, top, width, height).
constexpr QRect kChartPlace(16, 24, 609, 329);
constexpr QRect kPrintPlace(488, 360, 25, 25);
constexpr QRect kOKPlace(528, 360, 73, 25);

// Pixel images (clipboard, PNG) are the chart as on screen drawn at twice the screen's device
// pixel ratio: the same layout with text and lines twice as large in pixels, sharp when a
// document prints it at the window's size. Vector files take the size on screen as their page.
constexpr int kImageScale = 2;

const QString kImageFilters[] = {QStringLiteral("PNG-Bild (*.png)"),
                                 QStringLiteral("SVG-Grafik (*.svg)"),
                                 QStringLiteral("PDF-Dokument (*.pdf)")};
const ChartFileFormat kImageFormats[] = {ChartFileFormat::Png, ChartFileFormat::Svg,
                                         ChartFileFormat::Pdf};

// `path` with `suffix`: appended when the name has none, replacing another known one.
QString WithSuffix(const QString& path, const QString& suffix) {
    const QFileInfo info(path);
    if (info.suffix().compare(suffix, Qt::CaseInsensitive) == 0)
        return path;
    if (FormatOfPath(path) || info.suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return path.left(path.size() - info.suffix().size()) + suffix;
    return path + QLatin1Char('.') + suffix;
}

QAction* MenuAction(QWidget* window, const QString& name, const QString& text,
                    const QKeySequence& keys = {}) {
    auto* action = new QAction(text, window);
    action->setObjectName(name);
    action->setShortcut(keys);
    window->addAction(action);
    return action;
}

QPixmap Picture(const QString& resource, const QSize& size, qreal ratio) {
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(resource);
    QPainter painter(&pixmap);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

// A picture of two images: the first while the button is enabled, the second when not.
QIcon TwoImages(const QString& enabled, const QString& disabled, const QSize& size, qreal ratio) {
    QIcon icon;
    icon.addPixmap(Picture(enabled, size, ratio), QIcon::Normal);
    icon.addPixmap(Picture(disabled, size, ratio), QIcon::Disabled);
    return icon;
}

} // namespace

TStatDlg::TStatDlg(QWidget* parent)
    : QWidget(parent, Qt::Window), StatChart(new QtChartfx(this)), PrintBtn(new QToolButton(this)),
      OKBtn(new QPushButton(QStringLiteral("OK"), this)),
      KopierenAction(MenuAction(this, QStringLiteral("KopierenAction"), QStringLiteral("Kopieren"),
                                QKeySequence::Copy)),
      BildSpeichernAction(MenuAction(this, QStringLiteral("BildSpeichernAction"),
                                     QStringLiteral("Als Bild speichern…"), QKeySequence::Save)),
      DatenExportAction(MenuAction(this, QStringLiteral("DatenExportAction"),
                                   QStringLiteral("Daten exportieren…"))),
      DruckvorschauAction(MenuAction(this, QStringLiteral("DruckvorschauAction"),
                                     QStringLiteral("Druckvorschau…"))) {
    setObjectName(QStringLiteral("StatDlg"));
    setWindowTitle(QStringLiteral("StatDlg"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setMinimumSize(kClientSize);
    resize(kClientSize);
    const qreal ratio = devicePixelRatioF();

    StatChart->setObjectName(QStringLiteral("StatChart"));
    StatChart->setGeometry(kChartPlace);

    PrintBtn->setObjectName(QStringLiteral("PrintBtn"));
    PrintBtn->setGeometry(kPrintPlace);
    PrintBtn->setAutoRaise(true);
    PrintBtn->setFocusPolicy(Qt::NoFocus);
    PrintBtn->setIcon(PrintPicture()); // the main window's printer
    PrintBtn->setIconSize(QSize(16, 16));
    PrintBtn->setToolTip(QStringLiteral("Diagramm drucken"));

    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(kOKPlace);
    OKBtn->setIcon(TwoImages(QStringLiteral(":/statchart/statchart-ok.svg"),
                             QStringLiteral(":/statchart/statchart-ok-disabled.svg"), QSize(18, 18),
                             ratio));
    OKBtn->setIconSize(QSize(18, 18));
    // The default button: Enter presses it (a window that is no dialog does not on its own).
    OKBtn->setDefault(true);
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(enter, this), &QShortcut::activated, OKBtn, &QPushButton::click);

    setTabOrder(StatChart, OKBtn);
    // An exception of a handler goes into the error box, never through the toolkit's code.
    connect(PrintBtn, &QToolButton::clicked, this, Guarded(this, [this] { PrintBtnClick(); }));
    connect(OKBtn, &QPushButton::clicked, this, Guarded(this, [this] { OKBtnClick(); }));

    // The right-click menu, anywhere in the window, holds the window's actions.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    insertAction(DruckvorschauAction, separator);
    connect(KopierenAction, &QAction::triggered, this,
            Guarded(this, [this] { KopierenActionClick(); }));
    connect(BildSpeichernAction, &QAction::triggered, this,
            Guarded(this, [this] { BildSpeichernActionClick(); }));
    connect(DatenExportAction, &QAction::triggered, this,
            Guarded(this, [this] { DatenExportActionClick(); }));
    connect(DruckvorschauAction, &QAction::triggered, this,
            Guarded(this, [this] { DruckvorschauActionClick(); }));

    saveChooser_ = [this](const QString& caption, const QString& proposed, const QString& filters,
                          QString& filter) {
        // MayWrite asks, after the suffix is added and the inputs are refused.
        return QFileDialog::getSaveFileName(this, caption, proposed, filters, &filter,
                                            QFileDialog::DontConfirmOverwrite);
    };
    previewRunner_ = [](QPrintPreviewDialog& dialog) { dialog.exec(); };
    placed_ = KeepPlace(*this);
}

void TStatDlg::ShowChart() {
    ShowModeless(*this, placed_);
}

void TStatDlg::PrintBtnClick() {
    const auto gaps = [this](std::int16_t gap) {
        StatChart->SetBottomGap(gap);
        StatChart->SetTopGap(gap);
    };
    gaps(kPrintGap);
    // A failed print must not leave the paper's margins on the screen for every later chart.
    try {
        StatChart->PrintChart();
    } catch (...) {
        gaps(kScreenGap);
        throw;
    }
    gaps(kScreenGap);
}

void TStatDlg::OKBtnClick() {
    close();
}

void TStatDlg::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The chart takes what the window gained; the buttons keep their distance to the bottom
    // right corner.
    const QSize grown = (size() - kClientSize).expandedTo(QSize(0, 0));
    StatChart->setGeometry(kChartPlace.adjusted(0, 0, grown.width(), grown.height()));
    PrintBtn->setGeometry(kPrintPlace.translated(grown.width(), grown.height()));
    OKBtn->setGeometry(kOKPlace.translated(grown.width(), grown.height()));
}

void TStatDlg::SetChartOrigin(const QString& statisticsFile, ChartId chart,
                              const QString& comparisonFile) {
    statisticsFile_ = statisticsFile;
    comparisonFile_ = comparisonFile;
    chartName_ = QText(ChartOf(chart).fileName);
    proposedStem_.clear();
    inputs_.clear();
}

void TStatDlg::SetTrendOrigin(const QString& proposedStem, const QStringList& inputs) {
    statisticsFile_.clear();
    comparisonFile_.clear();
    proposedStem_ = proposedStem;
    inputs_ = inputs;
}

QString TStatDlg::ProposedPath(const QString& suffix) const {
    if (!proposedStem_.isEmpty())
        return proposedStem_ + QLatin1Char('.') + suffix;
    const QString name = chartName_ + QLatin1Char('.') + suffix;
    if (statisticsFile_.isEmpty())
        return QDir(QDir::homePath()).filePath(name);
    const QFileInfo file(QDir::fromNativeSeparators(statisticsFile_));
    return file.absoluteDir().filePath(file.completeBaseName() + QLatin1Char('_') + name);
}

QSize TStatDlg::ExportSize() const {
    return StatChart->size();
}

double TStatDlg::ImageScale() const {
    return kImageScale * StatChart->devicePixelRatioF();
}

QString TStatDlg::ChooseSavePath(const QString& caption, const QString& proposedSuffix,
                                 const QString& filters, QString& filter,
                                 const std::function<QString()>& suffixOfFilter) {
    QString path = saveChooser_
                       ? saveChooser_(caption, ProposedPath(proposedSuffix), filters, filter)
                       : QString();
    if (path.isEmpty())
        return path;
    path = WithSuffix(path, suffixOfFilter ? suffixOfFilter() : proposedSuffix);
    // A name typed without its suffix could hit the statistics file: that is never overwritten.
    return MayWrite(path, QStringList{statisticsFile_, comparisonFile_} + inputs_, this)
               ? path
               : QString();
}

void TStatDlg::KopierenActionClick() {
    QGuiApplication::clipboard()->setMimeData(
        ChartMimeData(StatChart->shown(), ExportSize(), ImageScale()).release());
}

void TStatDlg::BildSpeichernActionClick() {
    QStringList filters;
    for (const QString& f : kImageFilters)
        filters << f;
    QString filter = filters.front();
    // The filter decides the format; the name gets its suffix.
    ChartFileFormat format = ChartFileFormat::Png;
    const QString path =
        ChooseSavePath(QStringLiteral("Als Bild speichern"), QStringLiteral("png"),
                       filters.join(QStringLiteral(";;")), filter, [&] {
                           format = kImageFormats[std::max<qsizetype>(0, filters.indexOf(filter))];
                           return SuffixOf(format);
                       });
    if (path.isEmpty())
        return;
    SaveChart(StatChart->shown(), path, format, ExportSize(), ImageScale());
}

void TStatDlg::DatenExportActionClick() {
    const QString filters = QStringLiteral("CSV-Datei (*.csv)");
    QString filter = filters;
    const QString path =
        ChooseSavePath(QStringLiteral("Daten exportieren"), QStringLiteral("csv"), filters, filter);
    if (path.isEmpty())
        return;
    SaveBytes(path, QByteArray::fromStdString(FiguresCsv(StatChart->shown())));
}

void TStatDlg::DruckvorschauActionClick() {
    std::unique_ptr<QPrinter> own;
    QPrinter* printer = StatChart->printer();
    if (!printer) {
        own = CurrentPrinter();
        printer = own.get();
    }
    // The page the print button prints: the chart with the paper's gaps.
    ChartModel paper = StatChart->shown();
    paper.topGap = kPrintGap;
    paper.bottomGap = kPrintGap;
    printer->setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog dialog(printer, this);
    dialog.setWindowTitle(QStringLiteral("Druckvorschau"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this, paper](QPrinter* target) {
        RunHandler([&] { PrintChartPage(paper, *target); }, this);
    });
    if (previewRunner_)
        previewRunner_(dialog);
}
