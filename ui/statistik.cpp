#include "statistik.h"

#include "chartexport.h"
#include "chartprinting.h"
#include "comparison.h"
#include "coverprint.h"
#include "coversheet.h"
#include "cp1252.h"
#include "errorbox.h"
#include "errors.h"
#include "kennzahlen.h"
#include "keyfigures.h"
#include "lastdir.h"
#include "mainpictures.h"
#include "qtchartfx.h"
#include "reader.h"
#include "reportcontent.h"
#include "statchart.h"
#include "statetag.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>

#include <stdexcept>

Thaupt* haupt = nullptr;

namespace {

// Client area of a window whose outer size is 567 x 446 with the classic frame and caption.
constexpr int kClientWidth = 559;
constexpr int kClientHeight = 419;

struct ChartButtonText {
    ChartId id;
    const char* caption;
};
// In button order, from top 72 down in steps of 24.
constexpr std::array<ChartButtonText, 11> kChartButtons = {{
    {ChartId::count_hour, "Außenrufe über Uhrzeit "},
    {ChartId::count_hour_ab, "Auf/Ab-Rufe über Uhrzeit "},
    {ChartId::w_time, "Wartezeiten über Etage"},
    {ChartId::count, "Alle Außenrufe über Etage"},
    {ChartId::count_a_auf, "Außenrufe Tür A Auf"},
    {ChartId::count_a_ab, "Außenrufe Tür A Ab"},
    {ChartId::count_b_auf, "Außenrufe Tür B Auf"},
    {ChartId::count_b_ab, "Außenrufe Tür B Ab"},
    {ChartId::Verteil, "Rufverteilung"},
    {ChartId::Travel, "überfahrene Etagen"},
    {ChartId::RufeZeitEt, "Rufe über Zeit und Etagen"},
}};

QToolButton* FlatButton(QWidget* parent, const QString& name, const QRect& place) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QToolButton* ToolButton(QWidget* parent, const QString& name, int left, const QIcon& picture,
                        const QString& hint) {
    QToolButton* button = FlatButton(parent, name, QRect(left, 24, 25, 25));
    button->setIcon(picture);
    button->setIconSize(QSize(16, 16));
    button->setToolTip(hint);
    return button;
}

QLabel* GreyedLabel(QWidget* parent, const QString& name, int left, int top, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText); // a folder may hold "<" and "&"
    label->move(left, top);
    label->setEnabled(false);
    label->adjustSize();
    return label;
}

QFrame* Bevel(QWidget* parent, const QString& name, const QRect& place) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(place);
    return frame;
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Thaupt::Thaupt(StatisticsStore& store, QWidget* parent)
    : QWidget(parent), store_(store), logo_(LogoBitmap()) {
    setObjectName(QStringLiteral("haupt"));
    setWindowTitle(QString::fromUtf8(kAppTitle));
    setWindowIcon(ProgramIcon());
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    setFont(font);
    resize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Bevel1 = Bevel(this, QStringLiteral("Bevel1"), QRect(16, 16, 521, 41));
    ExitBtn = ToolButton(this, QStringLiteral("ExitBtn"), 24, ExitPicture(), "Exit");
    OpenBtn = ToolButton(this, QStringLiteral("OpenBtn"), 56, OpenPicture(),
                         QStringLiteral("Statistik File öffnen"));
    PrintBtn = ToolButton(this, QStringLiteral("PrintBtn"), 88, PrintPicture(),
                          QStringLiteral("Deckblatt drucken"));
    PrinterSetupBtn = ToolButton(this, QStringLiteral("PrinterSetupBtn"), 120,
                                 PrinterSetupPicture(), QStringLiteral("Drucker einrichten"));
    PrinterSetupBtn->setEnabled(false);
    ReportBtn = ToolButton(this, QStringLiteral("ReportBtn"), 152, ReportPicture(),
                           QStringLiteral("Bericht als PDF speichern"));
    ReportBtn->setEnabled(false);
    // Between the printer setup and the folder label, which starts at 208.
    VergleichBtn = ToolButton(this, QStringLiteral("VergleichBtn"), 178, ComparePicture(),
                              QStringLiteral("Vergleichsdatei laden"));
    VergleichBtn->setEnabled(false);
    auto* vergleichMenu = new QMenu(VergleichBtn);
    vergleichMenu->setObjectName(QStringLiteral("VergleichMenu"));
    connect(vergleichMenu->addAction(QStringLiteral("Vergleich ersetzen…")), &QAction::triggered,
            this, Guarded(this, [this] { VergleichBtnClick(); }));
    connect(vergleichMenu->addAction(QStringLiteral("Vergleich entfernen")), &QAction::triggered,
            this, Guarded(this, [this] { VergleichEntfernenClick(); }));
    Label1 = GreyedLabel(this, QStringLiteral("Label1"), 208, 32, QStringLiteral("     "));
    VersionsLabel =
        GreyedLabel(this, QStringLiteral("VersionsLabel"), 504, 32, QStringLiteral("V1.3 "));

    QFont chartFont(QStringLiteral("Arial"));
    chartFont.setPointSize(8);
    const QIcon checkMark = CheckMarkPicture();
    for (std::size_t i = 0; i < kChartButtons.size(); ++i) {
        const int top = 72 + 24 * static_cast<int>(i);
        const QString stem = QString::fromLatin1(ChartStem(kChartButtons[i].id));

        QToolButton* button = FlatButton(this, stem + "Btn", QRect(24, top, 145, 25));
        button->setText(QString::fromUtf8(kChartButtons[i].caption));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setFont(chartFont);
        QPalette blue = button->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive})
            blue.setColor(group, QPalette::ButtonText, Qt::blue);
        button->setPalette(blue);
        button->setEnabled(false);

        QToolButton* haken = FlatButton(this, stem + "Haken", QRect(176, top, 25, 25));
        haken->setIcon(checkMark);
        haken->setIconSize(QSize(18, 18));
        haken->setEnabled(false);

        chartButtons_[i] = button;
        checkMarks_[i] = haken;
    }
    count_hourBtn = ChartButton(ChartId::count_hour);
    count_hour_abBtn = ChartButton(ChartId::count_hour_ab);
    w_timeBtn = ChartButton(ChartId::w_time);
    countBtn = ChartButton(ChartId::count);
    count_a_aufBtn = ChartButton(ChartId::count_a_auf);
    count_a_abBtn = ChartButton(ChartId::count_a_ab);
    count_b_aufBtn = ChartButton(ChartId::count_b_auf);
    count_b_abBtn = ChartButton(ChartId::count_b_ab);
    VerteilBtn = ChartButton(ChartId::Verteil);
    TravelBtn = ChartButton(ChartId::Travel);
    RufeZeitEtBtn = ChartButton(ChartId::RufeZeitEt);
    // Below the chart buttons, styled like them; it draws no chart, so it has no check mark.
    KennzahlenBtn = FlatButton(this, QStringLiteral("KennzahlenBtn"), QRect(24, 344, 145, 25));
    KennzahlenBtn->setText(QStringLiteral("Kennzahlen"));
    KennzahlenBtn->setToolButtonStyle(Qt::ToolButtonTextOnly);
    KennzahlenBtn->setFont(chartFont);
    KennzahlenBtn->setPalette(count_hourBtn->palette());
    KennzahlenBtn->setEnabled(false);
    VergleichLabel = new QLabel(this);
    VergleichLabel->setObjectName(QStringLiteral("VergleichLabel"));
    VergleichLabel->setTextFormat(Qt::PlainText);
    VergleichLabel->setWordWrap(true);
    VergleichLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    VergleichLabel->setGeometry(28, 372, 180, 40);
    VergleichLabel->hide();
    count_hourHaken = CheckMark(ChartId::count_hour);
    count_hour_abHaken = CheckMark(ChartId::count_hour_ab);
    w_timeHaken = CheckMark(ChartId::w_time);
    countHaken = CheckMark(ChartId::count);
    count_a_aufHaken = CheckMark(ChartId::count_a_auf);
    count_a_abHaken = CheckMark(ChartId::count_a_ab);
    count_b_aufHaken = CheckMark(ChartId::count_b_auf);
    count_b_abHaken = CheckMark(ChartId::count_b_ab);
    VerteilHaken = CheckMark(ChartId::Verteil);
    TravelHaken = CheckMark(ChartId::Travel);
    RufeZeitEtHaken = CheckMark(ChartId::RufeZeitEt);

    Bevel2 = Bevel(this, QStringLiteral("Bevel2"), QRect(216, 64, 321, 345));
    // The logo lies under the memo: kept for the print, not seen on screen.
    LogoImage = new QLabel(this);
    LogoImage->setObjectName(QStringLiteral("LogoImage"));
    LogoImage->setGeometry(248, 336, 97, 57);
    LogoImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LogoImage->setPixmap(QPixmap::fromImage(logo_));
    DatenMemo = new QPlainTextEdit(this);
    DatenMemo->setObjectName(QStringLiteral("DatenMemo"));
    ConfigureMemo(*DatenMemo);
    DatenMemo->move(224, 72);
    DatenMemo->setToolTip(QStringLiteral("hier können Deckblattdaten eingetragen werden"));
    DatenMemo->setFocus();

    OpenDlg = new QFileDialog(this);
    OpenDlg->setObjectName(QStringLiteral("OpenDlg"));
    OpenDlg->setFileMode(QFileDialog::ExistingFile);
    OpenDlg->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDlg->setNameFilter(QStringLiteral("Statistik-Files (*.csv)"));
    OpenDlg->setDefaultSuffix(QStringLiteral("csv"));
    // Qt's own dialog: the same German texts on every desktop.
    OpenDlg->setOption(QFileDialog::DontUseNativeDialog);
    OpenDlg->setDirectory(DefaultFolder());

    fileChooser_ = [](QFileDialog& dialog) -> QString {
        if (dialog.exec() != QDialog::Accepted)
            return {};
        return dialog.selectedFiles().value(0);
    };
    printerSource_ = DefaultCoverPrinter;
    reportChooser_ = [this](const QString& proposed) {
        // MayWrite asks, after the suffix is added and the inputs are refused.
        return QFileDialog::getSaveFileName(this, QStringLiteral("Bericht als PDF speichern"),
                                            proposed, QStringLiteral("PDF-Dokument (*.pdf)"),
                                            nullptr, QFileDialog::DontConfirmOverwrite);
    };
    chartWindow_ = StatDlgChartWindow();

    const auto connectHandler = [this](QToolButton* button, void (Thaupt::*handler)()) {
        connect(button, &QToolButton::clicked, this,
                Guarded(this, [this, handler] { (this->*handler)(); }));
    };
    connectHandler(ExitBtn, &Thaupt::ExitBtnClick);
    connectHandler(OpenBtn, &Thaupt::OpenBtnClick);
    connectHandler(PrintBtn, &Thaupt::PrintBtnClick);
    connectHandler(PrinterSetupBtn, &Thaupt::PrinterSetupBtnClick);
    connectHandler(ReportBtn, &Thaupt::ReportBtnClick);
    // Ctrl+S is the report button's key: it does nothing while the button is disabled.
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, [this] {
        if (ReportBtn->isEnabled())
            ReportBtn->click();
    });
    connectHandler(count_hourBtn, &Thaupt::count_hourBtnClick);
    connectHandler(count_hour_abBtn, &Thaupt::count_hour_abBtnClick);
    connectHandler(w_timeBtn, &Thaupt::w_timeBtnClick);
    connectHandler(countBtn, &Thaupt::countBtnClick);
    connectHandler(count_a_aufBtn, &Thaupt::count_a_aufBtnClick);
    connectHandler(count_a_abBtn, &Thaupt::count_a_abBtnClick);
    connectHandler(count_b_aufBtn, &Thaupt::count_b_aufBtnClick);
    connectHandler(count_b_abBtn, &Thaupt::count_b_abBtnClick);
    connectHandler(VerteilBtn, &Thaupt::VerteilBtnClick);
    connectHandler(TravelBtn, &Thaupt::TravelBtnClick);
    connectHandler(RufeZeitEtBtn, &Thaupt::RufeZeitEtBtnClick);
    connectHandler(KennzahlenBtn, &Thaupt::KennzahlenBtnClick);
    connectHandler(VergleichBtn, &Thaupt::VergleichBtnClick);

    // An error here is reported at once; the window is still built and shown.
    RunHandler([this] { FormCreate(); });
}

Thaupt::~Thaupt() {
    if (haupt == this)
        haupt = nullptr;
}

QToolButton* Thaupt::ChartButton(ChartId id) const {
    return chartButtons_[static_cast<std::size_t>(id)];
}

QToolButton* Thaupt::CheckMark(ChartId id) const {
    return checkMarks_[static_cast<std::size_t>(id)];
}

QString Thaupt::DefaultFolder() {
#ifdef _WIN32
    return QStringLiteral("c:\\qvltools\\vx_rec\\files");
#else
    return QDir::homePath();
#endif
}

void Thaupt::FormCreate() {
    std::string lastDir;
    try {
        lastDir = ReadLastDir(DefaultLastDirPath());
    } catch (const IoError& e) {
        if (e.code() == 2) // no file yet: the first start, nothing to report
            return;
        // Unreadable, or no regular file (a folder, a device): left alone, and said once.
        lastDirKept_ = false;
        throw std::runtime_error(std::string(e.what()) + ".\nDer zuletzt ge\xC3\xB6"
                                                         "ffnete Ordner wird nicht gespeichert.");
    }
    store_.LastDir = Utf8CutBytes(lastDir, decltype(store_.LastDir)::Capacity);
    ShowLastDir();
}

void Thaupt::FormClose() {
    if (lastDirKept_)
        WriteLastDir(DefaultLastDirPath(), store_.LastDir.str());
}

void Thaupt::closeEvent(QCloseEvent* event) {
    // A folder that cannot be written is reported, and the program ends all the same: the user
    // must always be able to leave.
    RunHandler([this] { FormClose(); }, this);
    event->accept();
    emit closed();
}

void Thaupt::ExitBtnClick() {
    close();
}

QString Thaupt::ChooseFile() {
    OpenDlg->selectFile(QStringLiteral("*.csv"));
    const QString path = fileChooser_ ? fileChooser_(*OpenDlg) : QString();
    return path == QLatin1String("*.csv") ? QString() : path;
}

void Thaupt::OpenBtnClick() {
    const QString path = ChooseFile();
    if (!path.isEmpty())
        OpenStatisticsFile(path);
}

void Thaupt::OpenStatisticsFile(const QString& path) {
    OpenStatisticsFile(FileNameBytes(QDir::toNativeSeparators(path)));
}

void Thaupt::OpenStatisticsFile(const std::string& nativePath) {
    try {
        LoadStatisticsFile(store_, nativePath, [this] {
            ShowLastDir();
            SetButtonsAfterRead();
        });
    } catch (...) {
        ShowLastDir(); // the folder is taken before the file is even opened
        throw;
    }
    ShowLastDir();

    QStringList lines;
    for (const std::string& line : BuildCoverSheet(store_))
        lines << FromUtf8(line);
    DatenMemo->setPlainText(lines.join(QLatin1Char('\n')));
    ShowComparison();      // a comparison stays, now against this file
    ShowKeyFigures(false); // an open key-figures window shows the new file

    if (EtageDlg) {
        // A dialog still open was built for the file before: close it, dropping its edits, so
        // that it is built anew for this one.
        if (EtageDlg->isVisible())
            EtageDlg->reject();
        EtageDlg->show();
        EtageDlg->raise();
        EtageDlg->activateWindow();
    }
}

void Thaupt::ShowLastDir() {
    // The open dialog starts in the folder of the file loaded last, however it was loaded.
    const QString folder = FromUtf8(store_.LastDir.str());
    if (!folder.isEmpty())
        OpenDlg->setDirectory(folder);
    // The label ends before the version: a long folder is shortened in its middle, and its
    // hint shows it whole.
    const int room = VersionsLabel->x() - Label1->x() - 8;
    const QString shown = Label1->fontMetrics().elidedText(folder, Qt::ElideMiddle, room);
    Label1->setText(shown);
    Label1->setToolTip(shown == folder ? QString() : folder);
    Label1->adjustSize();
}

void Thaupt::SetButtonsAfterRead() {
    PrintBtn->setEnabled(true);
    ReportBtn->setEnabled(true);
    for (const ChartId id : kAllCharts) {
        ChartButton(id)->setEnabled(id != ChartId::w_time);
        CheckMark(id)->setEnabled(false);
    }
    KennzahlenBtn->setEnabled(true);
    VergleichBtn->setEnabled(true);
}

QStringList Thaupt::CoverLines() const {
    // A memo that was never shown has no width yet to wrap at; it breaks as it would.
    if (!DatenMemo->isVisible())
        return WrapLikeMemo(DatenMemo->toPlainText().split(QLatin1Char('\n')));
    return DisplayedLines(*DatenMemo->document());
}

std::unique_ptr<QPrinter> DefaultCoverPrinter() {
    return CurrentPrinter();
}

void Thaupt::PrintBtnClick() {
    std::unique_ptr<QPrinter> printer = printerSource_ ? printerSource_() : DefaultCoverPrinter();
    PrintCoverSheet(*printer, logo_, CoverLines());
}

void Thaupt::ReportBtnClick() {
    // Proposed beside the statistics file, named after it.
    const QFileInfo statistics(QDir::fromNativeSeparators(FromUtf8(store_.FileName.str())));
    const QString proposed = statistics.absoluteDir().filePath(
        statistics.completeBaseName() + (vergleich_ ? "_Vergleich.pdf" : "_Bericht.pdf"));
    QString path = reportChooser_ ? reportChooser_(proposed) : QString();
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    if (!MayWrite(path, {FromUtf8(store_.FileName.str()), ComparisonFile()}, this))
        return;
    ReportContent content = BuildReportContent(store_);
    content.coverParagraphs.clear();
    for (const QString& paragraph : DatenMemo->toPlainText().split(QLatin1Char('\n')))
        content.coverParagraphs.push_back(paragraph.toStdString());
    if (vergleich_)
        AddComparison(content, store_, *vergleich_);
    WriteReportPdf(FileNameBytes(path), content);
}

void Thaupt::PrinterSetupBtnClick() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.exec();
}

Thaupt::ChartWindow StatDlgChartWindow() {
    return []() -> TChartfx& {
        if (!StatDlg)
            throw std::runtime_error("Das Diagrammfenster ist nicht vorhanden");
        StatDlg->ShowChart();
        return *StatDlg->StatChart;
    };
}

void Thaupt::DrawChartOf(ChartId id) {
    if (!chartWindow_)
        throw std::runtime_error("Das Diagrammfenster ist nicht vorhanden");
    TChartfx& chart = chartWindow_();
    ChartOutcome outcome = OutcomeOf(id);
    if (vergleich_ && HasComparisonChart(id))
        SendChart(DrawComparisonChart(id, store_, *vergleich_), chart);
    else
        outcome = DrawChart(id, store_, chart);
    CheckMark(outcome.checkMark)->setEnabled(true);
    if (outcome.enablesWaitingTime)
        w_timeBtn->setEnabled(true);
    emit chartDrawn(FromUtf8(store_.FileName.str()), id, ComparisonFile());
}

void Thaupt::count_hourBtnClick() {
    DrawChartOf(ChartId::count_hour);
}
void Thaupt::count_hour_abBtnClick() {
    DrawChartOf(ChartId::count_hour_ab);
}
void Thaupt::w_timeBtnClick() {
    DrawChartOf(ChartId::w_time);
}
void Thaupt::countBtnClick() {
    DrawChartOf(ChartId::count);
}
void Thaupt::count_a_aufBtnClick() {
    DrawChartOf(ChartId::count_a_auf);
}
void Thaupt::count_a_abBtnClick() {
    DrawChartOf(ChartId::count_a_ab);
}
void Thaupt::count_b_aufBtnClick() {
    DrawChartOf(ChartId::count_b_auf);
}
void Thaupt::count_b_abBtnClick() {
    DrawChartOf(ChartId::count_b_ab);
}
void Thaupt::VerteilBtnClick() {
    DrawChartOf(ChartId::Verteil);
}
void Thaupt::TravelBtnClick() {
    DrawChartOf(ChartId::Travel);
}
void Thaupt::RufeZeitEtBtnClick() {
    DrawChartOf(ChartId::RufeZeitEt);
}

void Thaupt::KennzahlenBtnClick() {
    ShowKeyFigures(true);
}

void Thaupt::ShowKeyFigures(bool evenIfHidden) {
    if (!kennzahlen_) {
        if (!evenIfHidden)
            return;
        kennzahlen_ = new TKennzahlenDlg(this);
    }
    QString title;
    std::vector<KeyFigureRow> rows;
    if (vergleich_) {
        const Comparison c = Compare(store_, *vergleich_);
        title = FromUtf8(ComparisonTitle(c));
        rows = ComparisonRows(c);
    } else {
        title = FromUtf8(KeyFigureTitle(store_));
        rows = KeyFigureRows(ComputeKeyFigures(store_));
    }
    if (evenIfHidden || kennzahlen_->isVisible())
        kennzahlen_->ShowFigures(title, rows);
    else
        kennzahlen_->SetFigures(title, rows);
}

void Thaupt::VergleichBtnClick() {
    // The dialog starts in the folder of the loaded file and is left there for the next open:
    // a comparison file does not become the last folder.
    const QString title = OpenDlg->windowTitle();
    OpenDlg->setWindowTitle(QStringLiteral("Vergleichsdatei laden"));
    ShowLastDir();
    const QString path = ChooseFile();
    OpenDlg->setWindowTitle(title);
    ShowLastDir();
    if (!path.isEmpty())
        OpenComparisonFile(path);
}

QString Thaupt::ComparisonFile() const {
    return vergleich_ ? FromUtf8(vergleich_->FileName.str()) : QString();
}

void Thaupt::OpenComparisonFile(const QString& path) {
    vergleich_ = LoadComparisonStore(FileNameBytes(QDir::toNativeSeparators(path)));
    ShowComparison();
    ShowKeyFigures(false);
}

void Thaupt::VergleichEntfernenClick() {
    vergleich_.reset();
    ShowComparison();
    ShowKeyFigures(false);
}

void Thaupt::ShowComparison() {
    if (!vergleich_) {
        VergleichBtn->setToolTip(QStringLiteral("Vergleichsdatei laden"));
        VergleichBtn->setMenu(nullptr);
        VergleichBtn->setPopupMode(QToolButton::DelayedPopup);
        VergleichLabel->hide();
        return;
    }
    const Comparison c = Compare(store_, *vergleich_);
    VergleichBtn->setToolTip(QStringLiteral("Vergleich: ") + FromUtf8(c.otherFile));
    VergleichBtn->setMenu(VergleichBtn->findChild<QMenu*>(QStringLiteral("VergleichMenu")));
    VergleichBtn->setPopupMode(QToolButton::InstantPopup);
    QString text =
        QStringLiteral("Vergleich mit %1 (%2)").arg(FromUtf8(c.otherFile), FromUtf8(c.otherPeriod));
    if (c.floorCount != c.otherFloorCount)
        text += QStringLiteral(", nur Etagen 1 bis %1 (%2 und %3 Etagen)")
                    .arg(c.comparedFloors)
                    .arg(c.floorCount)
                    .arg(c.otherFloorCount);
    VergleichLabel->setText(text);
    VergleichLabel->show();
}
