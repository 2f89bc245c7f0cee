#include "ui/statistik.h"

#include "chartfx3/chartprinting.h"
#include "chartfx3/modelchartfx.h"
#include "chartfx3/qtchartfx.h"
#include "chartfx3/report/memowrap.h"
#include "charts/comparison.h"
#include "charts/coversheet.h"
#include "statglob/errors.h"
#include "statglob/lastdir.h"
#include "statglob/qtext.h"
#include "statglob/reader.h"
#include "statglob/text.h"
#include "ui/comparisonpanel.h"
#include "ui/coverprint.h"
#include "ui/errorbox.h"
#include "ui/keyfigureaction.h"
#include "ui/mainpictures.h"
#include "ui/memolines.h"
#include "ui/overviewaction.h"
#include "ui/reportaction.h"
#include "ui/statchart.h"
#include "ui/statetag.h"
#include "ui/usersettings.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <stdexcept>

Thaupt* haupt = nullptr;

namespace {

// Client area of a window whose outer size is 567 x 446 with the classic frame and caption.
constexpr int kClientWidth = 559;
constexpr int kClientHeight = 419;

// The window's own tool buttons, from the left; the report and comparison buttons follow them.
// `key` with Ctrl (Strg) presses the button; Qt::Key_unknown: none.
struct ToolButtonRow {
    QToolButton* Thaupt::*control;
    const char* name;
    int left;
    QIcon (*picture)();
    const char* hint;
    void (Thaupt::*handler)();
    bool enabled;
    Qt::Key key;
};
const ToolButtonRow kToolButtons[] = {
    {&Thaupt::ExitBtn, "ExitBtn", 24, ExitPicture, "Exit", &Thaupt::ExitBtnClick, true,
     Qt::Key_unknown},
    {&Thaupt::OpenBtn, "OpenBtn", 56, OpenPicture, "Statistik File öffnen", &Thaupt::OpenBtnClick,
     true, Qt::Key_O},
    {&Thaupt::PrintBtn, "PrintBtn", 88, PrintPicture, "Deckblatt drucken", &Thaupt::PrintBtnClick,
     true, Qt::Key_P},
    {&Thaupt::PrinterSetupBtn, "PrinterSetupBtn", 120, PrinterSetupPicture, "Drucker einrichten",
     &Thaupt::PrinterSetupBtnClick, false, Qt::Key_unknown},
};

// The window's names for each chart's button, check mark and handler, and the key that presses
// the button with Ctrl (Strg): the digits in the buttons' order, then "ß", the key beside the 0
// on a German keyboard.
struct ChartButtonRow {
    ChartId id;
    QToolButton* Thaupt::*button;
    QToolButton* Thaupt::*checkMark;
    void (Thaupt::*handler)();
    Qt::Key key;
};
const ChartButtonRow kChartButtons[] = {
    {ChartId::count_hour, &Thaupt::count_hourBtn, &Thaupt::count_hourHaken,
     &Thaupt::count_hourBtnClick, Qt::Key_1},
    {ChartId::count_hour_ab, &Thaupt::count_hour_abBtn, &Thaupt::count_hour_abHaken,
     &Thaupt::count_hour_abBtnClick, Qt::Key_2},
    {ChartId::w_time, &Thaupt::w_timeBtn, &Thaupt::w_timeHaken, &Thaupt::w_timeBtnClick, Qt::Key_3},
    {ChartId::count, &Thaupt::countBtn, &Thaupt::countHaken, &Thaupt::countBtnClick, Qt::Key_4},
    {ChartId::count_a_auf, &Thaupt::count_a_aufBtn, &Thaupt::count_a_aufHaken,
     &Thaupt::count_a_aufBtnClick, Qt::Key_5},
    {ChartId::count_a_ab, &Thaupt::count_a_abBtn, &Thaupt::count_a_abHaken,
     &Thaupt::count_a_abBtnClick, Qt::Key_6},
    {ChartId::count_b_auf, &Thaupt::count_b_aufBtn, &Thaupt::count_b_aufHaken,
     &Thaupt::count_b_aufBtnClick, Qt::Key_7},
    {ChartId::count_b_ab, &Thaupt::count_b_abBtn, &Thaupt::count_b_abHaken,
     &Thaupt::count_b_abBtnClick, Qt::Key_8},
    {ChartId::Verteil, &Thaupt::VerteilBtn, &Thaupt::VerteilHaken, &Thaupt::VerteilBtnClick,
     Qt::Key_9},
    {ChartId::Travel, &Thaupt::TravelBtn, &Thaupt::TravelHaken, &Thaupt::TravelBtnClick, Qt::Key_0},
    {ChartId::RufeZeitEt, &Thaupt::RufeZeitEtBtn, &Thaupt::RufeZeitEtHaken,
     &Thaupt::RufeZeitEtBtnClick, Qt::Key_ssharp},
};

// The first statistics file (*.csv) among the local files of a drag; empty when there is none.
QString DroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() &&
            url.toLocalFile().endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
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

} // namespace

Thaupt::Thaupt(StatisticsStore& store, QWidget* parent)
    : QWidget(parent), store_(store), logo_(LogoBitmap()) {
    setObjectName(QStringLiteral("haupt"));
    setWindowTitle(QText(kAppTitle));
    setWindowIcon(ProgramIcon());
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    setFont(font);
    resize(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    const auto connectHandler = [this](QToolButton* button, void (Thaupt::*handler)()) {
        connect(button, &QToolButton::clicked, this,
                Guarded(this, [this, handler] { (this->*handler)(); }));
    };

    Bevel1 = Bevel(this, QStringLiteral("Bevel1"), QRect(16, 16, 521, 41));
    for (const ToolButtonRow& row : kToolButtons) {
        QToolButton* button = PictureButton(*this, QString::fromLatin1(row.name), row.left,
                                            row.picture(), QText(row.hint));
        button->setEnabled(row.enabled);
        connectHandler(button, row.handler);
        if (row.key != Qt::Key_unknown)
            GiveKey(*button, QKeySequence(Qt::CTRL | row.key));
        this->*row.control = button;
    }
    Label1 = GreyedLabel(this, QStringLiteral("Label1"), 208, 32, QStringLiteral("     "));
    VersionsLabel =
        GreyedLabel(this, QStringLiteral("VersionsLabel"), 504, 32, QStringLiteral("V1.3 "));

    // The chart buttons in the table's order, from top 72 down in steps of 24, each with its
    // check mark to the right.
    const QIcon checkMark = CheckMarkPicture();
    for (std::size_t i = 0; i < kCharts.size(); ++i) {
        const int top = 72 + 24 * static_cast<int>(i);
        const QString stem = QString::fromLatin1(kCharts[i].stem);
        chartButtons_[i] =
            TextButton(*this, stem + "Btn", QRect(24, top, 145, 25), QText(kCharts[i].caption));
        chartButtons_[i]->setEnabled(false);
        checkMarks_[i] = FlatButton(*this, stem + "Haken", QRect(176, top, 25, 25));
        checkMarks_[i]->setIcon(checkMark);
        checkMarks_[i]->setIconSize(QSize(18, 18));
        checkMarks_[i]->setEnabled(false);
    }
    for (const ChartButtonRow& row : kChartButtons) {
        this->*row.button = ChartButton(row.id);
        this->*row.checkMark = CheckMark(row.id);
        connectHandler(ChartButton(row.id), row.handler);
        GiveKey(*ChartButton(row.id), QKeySequence(Qt::CTRL | row.key));
    }

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
    // The memo takes dragged text; a dragged statistics file and the window's keys are the
    // window's.
    setAcceptDrops(true);
    DatenMemo->installEventFilter(this);
    DatenMemo->viewport()->installEventFilter(this);

    OpenDlg = new QFileDialog(this);
    OpenDlg->setObjectName(QStringLiteral("OpenDlg"));
    OpenDlg->setFileMode(QFileDialog::ExistingFile);
    OpenDlg->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDlg->setNameFilter(QStringLiteral("Statistik-Files (*.csv)"));
    OpenDlg->setDefaultSuffix(QStringLiteral("csv"));
    // Qt's own dialog: the same German texts on every desktop.
    OpenDlg->setOption(QFileDialog::DontUseNativeDialog);
    OpenDlg->setDirectory(DefaultFolder());

    ZuletztMenu = new QMenu(OpenBtn);
    ZuletztMenu->setObjectName(QStringLiteral("ZuletztMenu"));
    ZuletztMenu->setToolTipsVisible(true);
    OpenBtn->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(OpenBtn, &QToolButton::customContextMenuRequested, this, [this](const QPoint& at) {
        if (!ZuletztMenu->isEmpty())
            ZuletztMenu->popup(OpenBtn->mapToGlobal(at));
    });
    ShowRecentFiles();

    comparison_ = new ComparisonPanel(*this, store_, [this] { return ChooseComparisonFile(); });
    keyFigures_ = std::make_unique<KeyFigureAction>(*this, store_, *comparison_);
    report_ = std::make_unique<ReportAction>(*this, store_, *DatenMemo, *comparison_);
    connect(comparison_, &ComparisonPanel::changed, this, Guarded(this, [this] {
                keyFigures_->Refresh();
                FollowComparison();
            }));
    overview_ = std::make_unique<OverviewAction>(
        *this, store_, [this](const std::string& path) { OpenStatisticsFile(path); },
        [this](const std::string& newer, const std::string& older) {
            OpenStatisticsFile(newer);
            comparison_->OpenComparisonFile(FileNameText(older));
            keyFigures_->KennzahlenBtnClick();
        });

    fileChooser_ = [](QFileDialog& dialog) -> QString {
        if (dialog.exec() != QDialog::Accepted)
            return {};
        return dialog.selectedFiles().value(0);
    };
    printerSource_ = DefaultCoverPrinter;
    chartWindow_ = StatDlgChartWindow();

    // Tab leaves the memo for the buttons and Space presses the one with the focus; a click
    // leaves the focus in the memo. The check marks only show.
    for (QToolButton* button : findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly))
        if (!std::count(checkMarks_.begin(), checkMarks_.end(), button))
            button->setFocusPolicy(Qt::TabFocus);

    // An error here is reported at once; the window is still built and shown.
    RunHandler([this] { FormCreate(); });
}

Thaupt::~Thaupt() {
    if (haupt == this)
        haupt = nullptr;
}

QToolButton* Thaupt::ChartButton(ChartId id) const {
    return chartButtons_[IndexOf(id)];
}

QToolButton* Thaupt::CheckMark(ChartId id) const {
    return checkMarks_[IndexOf(id)];
}

QString Thaupt::DefaultFolder() {
#ifdef _WIN32
    // The recorder's folder where this machine has it, else the user's documents, where
    // Windows' own dialogs start: Qt's dialog would show an empty list for a missing folder.
    const QString recorder = QStringLiteral("c:\\qvltools\\vx_rec\\files");
    return QDir(recorder).exists()
               ? recorder
               : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
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
        throw std::runtime_error(std::string(e.what()) +
                                 ".\nDer zuletzt geöffnete Ordner wird nicht gespeichert.");
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
        LoadStatisticsFile(store_, nativePath);
    } catch (const std::exception& e) {
        // The folder is taken before the file is even opened; the buttons, the check marks and
        // the memo stay with the figures, which the store keeps.
        ShowLastDir();
        throw LoadFailure(e, nativePath, false);
    }
    ShowLastDir();
    SetButtonsAfterRead();
    // Listed whole: a name from the command line may be relative to where the program started.
    AddRecentFile(FileNameBytes(
        QDir::toNativeSeparators(QFileInfo(FileNameText(nativePath)).absoluteFilePath())));
    ShowRecentFiles();
    if (EtageDlg)
        EtageDlg->ReadNamesBeside();

    QStringList lines;
    for (const std::string& line : BuildCoverSheet(store_))
        lines << QText(line);
    DatenMemo->setPlainText(lines.join(QLatin1Char('\n')));
    comparison_->Show();    // a comparison stays, now against this file
    keyFigures_->Refresh(); // an open key-figures window shows the new file

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

void Thaupt::ShowRecentFiles() {
    ZuletztMenu->clear();
    int number = 0;
    for (const std::string& file : RecentFiles()) {
        const QString path = QDir::toNativeSeparators(FileNameText(file));
        const QString shown = ZuletztMenu->fontMetrics().elidedText(path, Qt::ElideMiddle, 480);
        QAction* entry = ZuletztMenu->addAction(QStringLiteral("&%1 ").arg(++number) +
                                                QString(shown).replace('&', "&&"));
        entry->setToolTip(path);
        connect(entry, &QAction::triggered, this,
                Guarded(this, [this, file] { OpenStatisticsFile(file); }));
    }
    // Held down, the button opens the list too; a small arrow in its corner says so.
    OpenBtn->setMenu(ZuletztMenu->isEmpty() ? nullptr : ZuletztMenu);
}

QStringList Thaupt::InputFiles() const {
    return {QText(store_.FileName.view()), comparison_->File()};
}

bool Thaupt::TakeDrop(QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (DroppedFile(drag->mimeData()).isEmpty())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = DroppedFile(drop->mimeData());
        if (path.isEmpty())
            return false;
        drop->acceptProposedAction();
        // Loaded once the drop has ended: the source waits for it, the load may ask.
        QTimer::singleShot(0, this, Guarded(this, [this, path] { OpenStatisticsFile(path); }));
        return true;
    }
    default:
        return false;
    }
}

bool Thaupt::event(QEvent* event) {
    return TakeDrop(event) || QWidget::event(event);
}

bool Thaupt::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DatenMemo->viewport())
        return TakeDrop(event);
    if (watched == DatenMemo && event->type() == QEvent::ShortcutOverride) {
        // The memo would take Ctrl+K (delete to the end of the line) before the window's key.
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QShortcut* shortcut : findChildren<QShortcut*>())
            if (shortcut->key() == pressed)
                return true;
    }
    return false;
}

void Thaupt::ShowLastDir() {
    // The open dialog starts in the folder of the file loaded last, however it was loaded.
    const QString folder = QText(store_.LastDir.view());
    if (!folder.isEmpty())
        OpenDlg->setDirectory(folder);
    // The label ends before the overview button: a long folder is shortened in its middle, and its
    // hint shows it whole.
    const int room = overview_->UebersichtBtn->x() - Label1->x() - 8;
    const QString shown = Label1->fontMetrics().elidedText(folder, Qt::ElideMiddle, room);
    Label1->setText(shown);
    Label1->setToolTip(shown == folder ? QString() : folder);
    Label1->adjustSize();
}

void Thaupt::SetButtonsAfterRead() {
    PrintBtn->setEnabled(true);
    report_->ReportBtn->setEnabled(true);
    for (const ChartInfo& c : kCharts) {
        ChartButton(c.id)->setEnabled(c.id != ChartId::w_time);
        CheckMark(c.id)->setEnabled(false);
    }
    keyFigures_->KennzahlenBtn->setEnabled(true);
    comparison_->VergleichBtn->setEnabled(true);
}

QStringList Thaupt::CoverLines() const {
    // A memo that was never shown has no width yet to wrap at; it breaks as it would.
    if (!DatenMemo->isVisible())
        return WrapLikeMemo(DatenMemo->toPlainText().split(QLatin1Char('\n')), kMemoTextWidth);
    return DisplayedLines(*DatenMemo->document());
}

std::unique_ptr<QPrinter> DefaultCoverPrinter() {
    return CurrentPrinter();
}

void Thaupt::PrintBtnClick() {
    std::unique_ptr<QPrinter> printer = printerSource_ ? printerSource_() : DefaultCoverPrinter();
    PrintCoverSheet(*printer, logo_, CoverLines());
}

void Thaupt::PrinterSetupBtnClick() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.exec();
}

Thaupt::ChartWindow StatDlgChartWindow() {
    return [](Thaupt::ChartWindowUse use) -> TChartfx* {
        if (use == Thaupt::ChartWindowUse::IfOpen)
            return StatDlg && StatDlg->isVisible() ? StatDlg->StatChart : nullptr;
        if (!StatDlg)
            throw std::runtime_error("Das Diagrammfenster ist nicht vorhanden");
        StatDlg->ShowChart();
        return StatDlg->StatChart;
    };
}

void Thaupt::DrawChartOf(ChartId id, ChartWindowUse use) {
    TChartfx* chart = chartWindow_ ? chartWindow_(use) : nullptr;
    if (!chart) {
        if (use == ChartWindowUse::IfOpen)
            return;
        throw std::runtime_error("Das Diagrammfenster ist nicht vorhanden");
    }
    ChartOutcome outcome = OutcomeOf(id);
    const StatisticsStore* other = comparison_->Store();
    if (other && ChartOf(id).hasComparison)
        SendChart(DrawComparisonChart(id, store_, *other), *chart);
    else
        outcome = DrawChart(id, store_, *chart);
    shownChart_ = id;
    CheckMark(outcome.checkMark)->setEnabled(true);
    if (outcome.enablesWaitingTime)
        w_timeBtn->setEnabled(true);
    emit chartDrawn(QText(store_.FileName.view()), id, comparison_->File());
}

void Thaupt::FollowComparison() {
    if (shownChart_ && ChartOf(*shownChart_).hasComparison)
        DrawChartOf(*shownChart_, ChartWindowUse::IfOpen);
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

QString Thaupt::ChooseComparisonFile() {
    // The dialog starts in the folder of the loaded file and is left there for the next open:
    // a comparison file does not become the last folder.
    const QString title = OpenDlg->windowTitle();
    OpenDlg->setWindowTitle(QStringLiteral("Vergleichsdatei laden"));
    ShowLastDir();
    const QString path = ChooseFile();
    OpenDlg->setWindowTitle(title);
    ShowLastDir();
    return path;
}
