#include "ui/uebersicht.h"

#include "chartfx3/report/overviewpdf.h"
#include "charts/overviewxlsx.h"
#include "statglob/outputfile.h"
#include "statglob/qtext.h"
#include "statglob/text.h"
#include "ui/errorbox.h"
#include "ui/modeless.h"
#include "ui/statchart.h"
#include "ui/statistik.h"

#include <QAbstractTableModel>
#include <QClipboard>
#include <QCloseEvent>
#include <QColor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

constexpr int kSortRole = Qt::UserRole;
constexpr int kPathRole = Qt::UserRole + 1; // the relative path
// How often the rows read so far are taken into the table: soon enough that the first appear at
// once, seldom enough that sorting them in costs the window nothing.
constexpr int kTakeMilliseconds = 50;
constexpr std::size_t kNotesColumn = kOverviewColumns.size() - 1;

const QString kExportFilters[] = {QStringLiteral("CSV-Datei (*.csv)"),
                                  QStringLiteral("Excel-Arbeitsmappe (*.xlsx)"),
                                  QStringLiteral("PDF-Dokument (*.pdf)")};
const QString kExportSuffixes[] = {QStringLiteral("csv"), QStringLiteral("xlsx"),
                                   QStringLiteral("pdf")};

QPushButton* Button(QWidget* parent, const QString& name, const QString& text,
                    const QString& hint) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

// Sorts by kSortRole; a row without a number in a number column stays below the others in
// either order (an unreadable file never tops the worst waiting times).
class OverviewProxy : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        const QVariant a = left.data(kSortRole), b = right.data(kSortRole);
        const bool ascending = sortOrder() == Qt::AscendingOrder;
        if (a.isNull() != b.isNull())
            return ascending != a.isNull();
        if (QVariant::compare(a, b) == QPartialOrdering::Equivalent) {
            // Equal ones by their path, whatever the order and the order they were read in.
            const QString p = left.siblingAtColumn(0).data(kPathRole).toString(),
                          q = right.siblingAtColumn(0).data(kPathRole).toString();
            return ascending ? p < q : q < p;
        }
        return QSortFilterProxyModel::lessThan(left, right);
    }
};

} // namespace

// The rows as a table, with each column's number as its sort key.
class OverviewModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(kOverviewColumns.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const OverviewRow& row = rows_[static_cast<std::size_t>(index.row())];
        const OverviewColumn& column = kOverviewColumns[static_cast<std::size_t>(index.column())];
        switch (role) {
        case Qt::DisplayRole:
            return QText(column.cell(row).text);
        case Qt::ToolTipRole:
            if (index.column() == 1)
                return FileNameText(row.path);
            return index.column() == static_cast<int>(kNotesColumn) ? data(index, Qt::DisplayRole)
                                                                    : QVariant();
        case kSortRole: {
            const OverviewCell cell = column.cell(row);
            if (column.byNumber) // rows without a number: null, last in either order
                return cell.number ? QVariant(*cell.number) : QVariant();
            return QText(cell.text);
        }
        case kPathRole:
            return QString::fromUtf8(row.relative.data(), static_cast<int>(row.relative.size()));
        case Qt::TextAlignmentRole:
            return column.decimals >= 0 ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        case Qt::BackgroundRole:
            return row.read() ? QVariant() : QVariant(QColor(255, 232, 232));
        default:
            return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        return QText(kOverviewColumns[static_cast<std::size_t>(section)].header);
    }

    void Append(std::vector<OverviewRow>&& rows) {
        if (rows.empty())
            return;
        const int first = rowCount();
        beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
        std::move(rows.begin(), rows.end(), std::back_inserter(rows_));
        endInsertRows();
    }
    void Clear() {
        beginResetModel();
        rows_.clear();
        endResetModel();
    }
    // The groups of the rows now, their trend notes in the table.
    std::vector<OverviewGroup> Groups() {
        std::vector<OverviewGroup> groups = GroupRows(rows_);
        if (!rows_.empty())
            emit dataChanged(index(0, static_cast<int>(kNotesColumn)),
                             index(rowCount() - 1, static_cast<int>(kNotesColumn)));
        return groups;
    }
    const std::vector<OverviewRow>& rows() const { return rows_; }

private:
    std::vector<OverviewRow> rows_;
};

TUebersichtDlg::TUebersichtDlg(FileOpener open, PairComparer compare, QWidget* parent)
    : QWidget(parent, Qt::Window), OrdnerLabel(new QLabel(this)), Tabelle(new QTableView(this)),
      Fortschritt(new QProgressBar(this)), StatusLabel(new QLabel(this)),
      AbbrechenBtn(Button(this, QStringLiteral("AbbrechenBtn"), QStringLiteral("Abbrechen"),
                          QStringLiteral("Das Lesen anhalten; die gelesenen Zeilen bleiben"))),
      VerlaufBtn(new QToolButton(this)),
      VergleichenBtn(Button(this, QStringLiteral("VergleichenBtn"), QStringLiteral("Vergleichen"),
                            QStringLiteral("Zwei Zeilen eines Ordners: die neuere im "
                                           "Hauptfenster, die ältere als Vergleich"))),
      KopierenBtn(Button(this, QStringLiteral("KopierenBtn"), QStringLiteral("Kopieren"),
                         QStringLiteral("Die Tabelle als Text in die Zwischenablage (Strg+C)"))),
      ExportBtn(Button(this, QStringLiteral("ExportBtn"), QStringLiteral("Exportieren…"),
                       QStringLiteral("Die Tabelle als CSV-, Excel- oder PDF-Datei"))),
      OKBtn(Button(this, QStringLiteral("OKBtn"), QStringLiteral("OK"), QString())),
      open_(std::move(open)), compare_(std::move(compare)), model_(new OverviewModel(this)),
      proxy_(new OverviewProxy(this)), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("UebersichtDlg"));
    setWindowTitle(QStringLiteral("Übersicht"));
    resize(1100, 600);

    OrdnerLabel->setObjectName(QStringLiteral("OrdnerLabel"));
    OrdnerLabel->setTextFormat(Qt::PlainText);
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(kSortRole);
    proxy_->setSortLocaleAware(true);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Tabelle->setModel(proxy_);
    Tabelle->setSortingEnabled(true);
    Tabelle->sortByColumn(static_cast<int>(kWaitColumn), Qt::DescendingOrder);
    Tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabelle->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setWordWrap(false);
    Tabelle->verticalHeader()->hide();
    Tabelle->verticalHeader()->setDefaultSectionSize(Tabelle->fontMetrics().height() + 6);
    Tabelle->horizontalHeader()->setStretchLastSection(true);
    Tabelle->horizontalHeader()->setResizeContentsPrecision(100); // measure 100 rows, not all
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    StatusLabel->setTextFormat(Qt::PlainText);

    VerlaufBtn->setObjectName(QStringLiteral("VerlaufBtn"));
    VerlaufBtn->setText(QStringLiteral("Verlauf"));
    VerlaufBtn->setToolTip(QStringLiteral("Der Verlauf der Gruppe der gewählten Zeile (alle "
                                          "Dateien ihres Ordners mit ihrer Etagenzahl) im "
                                          "Diagrammfenster"));
    VerlaufBtn->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(VerlaufBtn);
    connect(menu->addAction(QStringLiteral("Wartezeiten")), &QAction::triggered, this,
            Guarded(this, [this] { VerlaufClick(TrendChart::Waits); }));
    connect(menu->addAction(QStringLiteral("Rufe pro Tag")), &QAction::triggered, this,
            Guarded(this, [this] { VerlaufClick(TrendChart::CallsPerDay); }));
    VerlaufBtn->setMenu(menu);

    auto* progress = new QHBoxLayout;
    progress->addWidget(Fortschritt, 1);
    progress->addWidget(AbbrechenBtn);
    progress->addWidget(StatusLabel, 2);
    auto* buttons = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{VerlaufBtn, VergleichenBtn, KopierenBtn, ExportBtn})
        buttons->addWidget(w);
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(OrdnerLabel);
    layout->addWidget(Tabelle, 1);
    layout->addLayout(progress);
    layout->addLayout(buttons);

    connect(AbbrechenBtn, &QPushButton::clicked, this,
            Guarded(this, [this] { AbbrechenBtnClick(); }));
    connect(VergleichenBtn, &QPushButton::clicked, this,
            Guarded(this, [this] { VergleichenBtnClick(); }));
    connect(KopierenBtn, &QPushButton::clicked, this,
            Guarded(this, [this] { KopierenBtnClick(); }));
    connect(ExportBtn, &QPushButton::clicked, this, Guarded(this, [this] { ExportBtnClick(); }));
    connect(OKBtn, &QPushButton::clicked, this, Guarded(this, [this] { OKBtnClick(); }));
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            Guarded(this, [this] { KopierenBtnClick(); }));
    connect(Tabelle, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        RunHandler([&] { RowDoubleClicked(index); }, this);
    });
    connect(Tabelle->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateButtons(); });
    connect(Tabelle->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { UpdateButtons(); });
    timer_->setInterval(kTakeMilliseconds);
    connect(timer_, &QTimer::timeout, this, [this] { TakeRows(); });

    chartWindow_ = []() -> TChartfx& {
        return *StatDlgChartWindow()(Thaupt::ChartWindowUse::Show); // throws when there is none
    };
    saveChooser_ = [this](const QString& proposed, QString& filter) {
        QStringList filters;
        for (const QString& f : kExportFilters)
            filters << f;
        // MayWrite asks, after the suffix is added and the inputs are refused.
        return QFileDialog::getSaveFileName(this, QStringLiteral("Übersicht exportieren"), proposed,
                                            filters.join(QStringLiteral(";;")), &filter,
                                            QFileDialog::DontConfirmOverwrite);
    };
    UpdateButtons();
}

TUebersichtDlg::~TUebersichtDlg() {
    cancel_ = true;
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
}

const std::vector<OverviewRow>& TUebersichtDlg::Rows() const {
    return model_->rows();
}

std::vector<OverviewRow> TUebersichtDlg::ShownRows() const {
    std::vector<OverviewRow> rows;
    for (int r = 0; r < proxy_->rowCount(); ++r)
        rows.push_back(
            Rows()[static_cast<std::size_t>(proxy_->mapToSource(proxy_->index(r, 0)).row())]);
    return rows;
}

bool TUebersichtDlg::Reading() const {
    return thread_ != nullptr;
}

void TUebersichtDlg::ReadFolder(const std::string& folder) {
    Stop();
    folder_ = folder;
    model_->Clear();
    incoming_.clear();
    failure_.clear();
    cancel_ = false;
    total_ = 0;
    done_ = 0;
    OrdnerLabel->setText(QStringLiteral("Ordner: ") + FileNameText(folder));
    Fortschritt->setRange(0, 0); // until the files are counted
    StatusLabel->setText(QStringLiteral("Suche Statistikdateien…"));
    thread_ = QThread::create([this, folder] {
        try {
            FolderScan scan = ScanFolder(folder, &cancel_);
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                total_ = scan.files.size() + scan.unreadableFolders.size();
                done_ = scan.unreadableFolders.size();
                for (OverviewRow& row : scan.unreadableFolders)
                    incoming_.push_back(std::move(row));
            }
            ReadOverview(
                folder, scan.files,
                [this](std::size_t, OverviewRow&& row, const KeyFigures*) {
                    const std::lock_guard<std::mutex> lock(mutex_);
                    incoming_.push_back(std::move(row));
                    ++done_;
                },
                &cancel_);
        } catch (const std::exception& e) {
            const std::lock_guard<std::mutex> lock(mutex_);
            failure_ = e.what();
        }
    });
    // A reading stopped meanwhile (and maybe another started) is over already.
    connect(thread_, &QThread::finished, this, [this, reading = ++readings_] {
        if (readings_ == reading)
            Stop();
    });
    thread_->start();
    timer_->start();
    UpdateButtons();
    ShowModeless(*this, placed_);
}

void TUebersichtDlg::TakeRows() {
    std::vector<OverviewRow> rows;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        rows.swap(incoming_);
    }
    const bool first = model_->rowCount() == 0 && !rows.empty();
    model_->Append(std::move(rows));
    if (first)
        Tabelle->resizeColumnsToContents();
    const std::size_t total = total_, done = done_;
    if (total > 0 || !Reading()) {
        Fortschritt->setRange(0, static_cast<int>(std::max<std::size_t>(total, 1)));
        Fortschritt->setValue(static_cast<int>(done));
    }
    if (Reading() && total > 0)
        StatusLabel->setText(QStringLiteral("%1 von %2 Dateien gelesen…").arg(done).arg(total));
    UpdateButtons();
}

void TUebersichtDlg::Stop() {
    if (!thread_)
        return;
    const bool early = !thread_->isFinished();
    cancel_ = true;
    thread_->wait();
    delete std::exchange(thread_, nullptr);
    timer_->stop();
    TakeRows();
    model_->Groups(); // the trend notes
    const std::size_t total = total_, done = done_;
    const auto unread =
        std::count_if(Rows().begin(), Rows().end(), [](const OverviewRow& r) { return !r.read(); });
    QString status = QStringLiteral("%1 Dateien, davon %2 nicht lesbar").arg(done).arg(unread);
    if (early)
        status =
            (total > 0
                 ? QStringLiteral("Abgebrochen: %1 von %2 Dateien gelesen").arg(done).arg(total)
                 : QStringLiteral("Abgebrochen: %1 Dateien gelesen").arg(done)) +
            QStringLiteral(", davon %1 nicht lesbar").arg(unread);
    StatusLabel->setText(status);
    UpdateButtons();
    emit readingEnded();
    if (!failure_.empty()) {
        StatusLabel->setText(QText(failure_));
        ShowErrorBox(QText(failure_), this);
    }
}

void TUebersichtDlg::AbbrechenBtnClick() {
    Stop();
}

std::vector<int> TUebersichtDlg::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : Tabelle->selectionModel()->selectedRows())
        rows.push_back(proxy_->mapToSource(index).row());
    return rows;
}

void TUebersichtDlg::UpdateButtons() {
    AbbrechenBtn->setEnabled(Reading());
    const QModelIndex current = proxy_->mapToSource(Tabelle->currentIndex());
    VerlaufBtn->setEnabled(current.isValid() &&
                           Rows()[static_cast<std::size_t>(current.row())].read());
    const std::vector<int> selected = SelectedRows();
    const auto& rows = Rows();
    VergleichenBtn->setEnabled(selected.size() == 2 &&
                               rows[static_cast<std::size_t>(selected[0])].read() &&
                               rows[static_cast<std::size_t>(selected[1])].read() &&
                               rows[static_cast<std::size_t>(selected[0])].folder() ==
                                   rows[static_cast<std::size_t>(selected[1])].folder());
    KopierenBtn->setEnabled(!rows.empty());
    ExportBtn->setEnabled(!rows.empty());
}

void TUebersichtDlg::VerlaufClick(TrendChart which) {
    const QModelIndex current = proxy_->mapToSource(Tabelle->currentIndex());
    if (!current.isValid())
        throw std::runtime_error("Für den Verlauf eine Zeile wählen");
    const auto row = static_cast<std::size_t>(current.row());
    const std::vector<OverviewGroup> groups = model_->Groups();
    const OverviewRow& chosen = Rows()[row];
    const auto group = std::find_if(groups.begin(), groups.end(), [&](const OverviewGroup& g) {
        return std::find(g.periods.begin(), g.periods.end(), row) != g.periods.end();
    });
    if (group == groups.end())
        throw std::runtime_error("„" + ToValidUtf8(chosen.relative) +
                                 "“ ist nicht lesbar und hat keinen Verlauf");
    if (!chartWindow_)
        throw std::runtime_error("Das Diagrammfenster ist nicht vorhanden");
    DrawTrendChart(which, *group, Rows(), chartWindow_());
    if (StatDlg) {
        QStringList inputs;
        for (std::size_t i : group->periods)
            inputs << FileNameText(Rows()[i].path);
        const std::string stem =
            which == TrendChart::Waits ? "Verlauf_Wartezeiten" : "Verlauf_Rufe_pro_Tag";
        StatDlg->SetTrendOrigin(FileNameText(JoinPath(JoinPath(folder_, group->folder), stem)),
                                inputs);
    }
}

void TUebersichtDlg::VergleichenBtnClick() {
    const std::vector<int> selected = SelectedRows();
    if (selected.size() != 2)
        throw std::runtime_error("Zum Vergleichen zwei Zeilen desselben Ordners wählen");
    const OverviewRow* a = &Rows()[static_cast<std::size_t>(selected[0])];
    const OverviewRow* b = &Rows()[static_cast<std::size_t>(selected[1])];
    if (!a->read() || !b->read() || a->folder() != b->folder())
        throw std::runtime_error("Zum Vergleichen zwei lesbare Dateien desselben Ordners wählen");
    // The older period is the comparison; without readable starts, the name decides.
    const bool aOlder = a->startMinutes && b->startMinutes ? *a->startMinutes < *b->startMinutes
                                                           : a->relative < b->relative;
    if (aOlder)
        std::swap(a, b);
    compare_(a->path, b->path);
}

void TUebersichtDlg::KopierenBtnClick() {
    QGuiApplication::clipboard()->setText(QText(OverviewTable(ShownRows(), '\t')));
}

void TUebersichtDlg::ExportBtnClick() {
    QString filter = kExportFilters[0];
    const QString proposed =
        QDir(FileNameText(folder_)).filePath(QStringLiteral("Übersicht.") + kExportSuffixes[0]);
    QString path = saveChooser_ ? saveChooser_(proposed, filter) : QString();
    if (path.isEmpty())
        return;
    std::size_t format = 0;
    while (format + 1 < std::size(kExportFilters) && kExportFilters[format] != filter)
        ++format;
    if (QFileInfo(path).suffix().compare(kExportSuffixes[format], Qt::CaseInsensitive) != 0)
        path += QLatin1Char('.') + kExportSuffixes[format];
    if (format == 1 && !CanWriteXlsx())
        throw std::runtime_error(kNoXlsx);
    QStringList inputs;
    for (const OverviewRow& row : Rows())
        inputs << FileNameText(row.path);
    if (!MayWrite(path, inputs, this))
        return;
    const std::vector<OverviewRow> rows = ShownRows();
    const std::string target = FileNameBytes(path);
    if (format == 0)
        WriteFileAtomically(target, OverviewCsv(rows));
    else if (format == 1)
        WriteOverviewXlsx(target, rows);
    else
        WriteOverviewPdf(target, "Übersicht: " + ToValidUtf8(folder_), rows);
}

void TUebersichtDlg::OKBtnClick() {
    close();
}

void TUebersichtDlg::closeEvent(QCloseEvent* event) {
    Stop();
    event->accept();
}

void TUebersichtDlg::RowDoubleClicked(const QModelIndex& index) {
    const QModelIndex source = proxy_->mapToSource(index);
    if (!source.isValid())
        return;
    const OverviewRow& row = Rows()[static_cast<std::size_t>(source.row())];
    if (row.file().empty()) // an unreadable folder
        return;
    if (source.column() == 0) {
        Tabelle->setCurrentIndex(index);
        VerlaufClick(TrendChart::Waits);
    } else if (open_) {
        open_(row.path);
    }
}
