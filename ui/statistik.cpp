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

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolButton>

#include <stdexcept>

Thaupt* haupt = nullptr;

namespace {

// Client area of a window whose outer size is 567 x 446 with the classic frame and caption.
constexpr int kClientWidth = 559;
constexpr int kClientHeight = 419;

// The window's own tool buttons, from the left; the report and comparison buttons follow them.
struct ToolButtonRow {
    QToolButton* Thaupt::*control;
    const char* name;
    int left;
    QIcon (*picture)();
    const char* hint;
    void (Thaupt::*handler)();
    bool enabled;
};
const ToolButtonRow kToolButtons[] = {
    {&Thaupt::ExitBtn, "ExitBtn", 24, ExitPicture, "Exit", &Thaupt::ExitBtnClick, true},
    {&Thaupt::OpenBtn, "OpenBtn", 56, OpenPicture, "Statistik File öffnen", &Thaupt::OpenBtnClick,
     true},
    {&Thaupt::PrintBtn, "PrintBtn", 88, PrintPicture, "Deckblatt drucken", &Thaupt::PrintBtnClick,
     true},
    {&Thaupt::PrinterSetupBtn, "PrinterSetupBtn", 120, PrinterSetupPicture, "Drucker einrichten",
     &Thaupt::PrinterSetupBtnClick, false},
};

// The window's names for each chart's button, check mark and handler.
struct ChartButtonRow {
    ChartId id;
    QToolButton* Thaupt::*button;
    QToolButton* Thaupt::*checkMark;
    void (Thaupt::*handler)();
};
const ChartButtonRow kChartButtons[] = {
    {ChartId::count_hour, &Thaupt::count_hourBtn, &Thaupt::count_hourHaken,
     &Thaupt::count_hourBtnClick},
    {ChartId::count_hour_ab, &Thaupt::count_hour_abBtn, &Thaupt::count_hour_abHaken,
     &Thaupt::count_hour_abBtnClick},
    {ChartId::w_time, &Thaupt::w_timeBtn, &Thaupt::w_timeHaken, &Thaupt::w_timeBtnClick},
    {ChartId::count, &Thaupt::countBtn, &Thaupt::countHaken, &Thaupt::countBtnClick},
    {ChartId::count_a_auf, &Thaupt::count_a_aufBtn, &Thaupt::count_a_aufHaken,
     &Thaupt::count_a_aufBtnClick},
    {ChartId::count_a_ab, &Thaupt::count_a_abBtn, &Thaupt::count_a_abHaken,
     &Thaupt::count_a_abBtnClick},
    {ChartId::count_b_auf, &Thaupt::count_b_aufBtn, &Thaupt::count_b_aufHaken,
     &Thaupt::count_b_aufBtnClick},
    {ChartId::count_b_ab, &Thaupt::count_b_abBtn, &Thaupt::count_b_abHaken,
     &Thaupt::count_b_abBtnClick},
    {ChartId::Verteil, &Thaupt::VerteilBtn, &Thaupt::VerteilHaken, &Thaupt::VerteilBtnClick},
    {ChartId::Travel, &Thaupt::TravelBtn, &Thaupt::TravelHaken, &Thaupt::TravelBtnClick},
    {ChartId::RufeZeitEt, &Thaupt::RufeZeitEtBtn, &Thaupt::RufeZeitEtHaken,
     &Thaupt::RufeZeitEtBtnClick},
};

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

    OpenDlg = new QFileDialog(this);
    OpenDlg->setObjectName(QStringLiteral("OpenDlg"));
    OpenDlg->setFileMode(QFileDialog::ExistingFile);
    OpenDlg->setAcceptMode(QFileDialog::AcceptOpen);
    OpenDlg->setNameFilter(QStringLiteral("Statistik-Files (*.csv)"));
    OpenDlg->setDefaultSuffix(QStringLiteral("csv"));
    // Qt's own dialog: the same German texts on every desktop.
    OpenDlg->setOption(QFileDialog::DontUseNativeDialog);
    OpenDlg->setDirectory(DefaultFolder());

    comparison_ = new ComparisonPanel(*this, store_, [this] { return ChooseComparisonFile(); });
    keyFigures_ = std::make_unique<KeyFigureAction>(*this, store_, *comparison_);
    report_ = std::make_unique<ReportAction>(*this, store_, *DatenMemo, *comparison_);
    connect(comparison_, &ComparisonPanel::changed, this, [this] { keyFigures_->Refresh(); });
    overview_ = std::make_unique<OverviewAction>(
        *this, store_, [this](const std::string& path) { OpenStatisticsFile(path); },
        [this](const std::string& newer, const std::string& older) {
            OpenStatisticsFile(newer);
            comparison_->OpenComparisonFile(QFile::decodeName(QByteArray::fromStdString(older)));
            keyFigures_->KennzahlenBtnClick();
        });

    fileChooser_ = [](QFileDialog& dialog) -> QString {
        if (dialog.exec() != QDialog::Accepted)
            return {};
        return dialog.selectedFiles().value(0);
    };
    printerSource_ = DefaultCoverPrinter;
    chartWindow_ = StatDlgChartWindow();

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
    const StatisticsStore* other = comparison_->Store();
    if (other && ChartOf(id).hasComparison)
        SendChart(DrawComparisonChart(id, store_, *other), chart);
    else
        outcome = DrawChart(id, store_, chart);
    CheckMark(outcome.checkMark)->setEnabled(true);
    if (outcome.enablesWaitingTime)
        w_timeBtn->setEnabled(true);
    emit chartDrawn(QText(store_.FileName.view()), id, comparison_->File());
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
