#include "ui/kennzahlen.h"

#include "statglob/qtext.h"

#include "chartfx3/chartprinting.h"
#include "chartfx3/paint/chartstyle.h"
#include "chartfx3/report/keyfigurepage.h"
#include "ui/errorbox.h"
#include "ui/mainpictures.h"
#include "ui/modeless.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>
#include <QToolButton>

#include <algorithm>
#include <memory>

namespace {

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

TKennzahlenDlg::TKennzahlenDlg(QWidget* parent)
    : QWidget(parent, Qt::Window), Tabelle(new QTableWidget(0, 2, this)),
      PrintBtn(new QToolButton(this)), CopyBtn(new QPushButton(QStringLiteral("Kopieren"), this)),
      OKBtn(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("KennzahlenDlg"));
    setWindowTitle(QStringLiteral("Kennzahlen"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    // A laptop's screen keeps room for the caption and a task bar below the buttons.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() - 60 : kDefaultHeight;
    resize(kDefaultWidth, std::clamp(room, 240, kDefaultHeight));
    setMinimumSize(360, 200);

    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Tabelle->verticalHeader()->hide();
    Tabelle->setWordWrap(true);
    Tabelle->setSelectionMode(QAbstractItemView::NoSelection);
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setFocusPolicy(Qt::NoFocus); // Ctrl+C copies the whole table, not one cell

    PrintBtn->setObjectName(QStringLiteral("PrintBtn"));
    PrintBtn->setAutoRaise(true);
    PrintBtn->setFocusPolicy(Qt::NoFocus);
    PrintBtn->setIcon(PrintPicture());
    PrintBtn->setIconSize(QSize(16, 16));
    PrintBtn->setToolTip(QStringLiteral("Kennzahlen drucken"));
    CopyBtn->setObjectName(QStringLiteral("CopyBtn"));
    CopyBtn->setToolTip(
        QStringLiteral("Kennzahlen als Tabelle in die Zwischenablage, etwa für Excel (Strg+C)"));
    CopyBtn->setAutoDefault(false);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setAutoDefault(false);

    connect(PrintBtn, &QToolButton::clicked, this, Guarded(this, [this] { PrintBtnClick(); }));
    connect(CopyBtn, &QPushButton::clicked, this, Guarded(this, [this] { CopyBtnClick(); }));
    connect(OKBtn, &QPushButton::clicked, this, Guarded(this, [this] { OKBtnClick(); }));
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, Guarded(this, [this] { CopyBtnClick(); }));
}

void TKennzahlenDlg::SetFigures(const KeyFigureTable& table) {
    table_ = table;
    const int columns = static_cast<int>(table.columns.size());
    Tabelle->clearSpans();
    Tabelle->setRowCount(0);
    Tabelle->setColumnCount(columns);
    QStringList headings;
    for (const std::string& heading : table.columns)
        headings << QText(heading);
    // Beside a comparison six columns share the width: "Vergleich" and its period, "Änderung"
    // and "in %" on two lines each.
    if (table.comparison())
        for (QString& heading : headings)
            if (const int blank = heading.indexOf(QLatin1Char(' ')); blank > 0)
                heading[blank] = QLatin1Char('\n');
    Tabelle->setHorizontalHeaderLabels(headings);
    // The label column keeps its width; the values share the rest, the change and the
    // assessment as wide as their texts.
    QHeaderView* header = Tabelle->horizontalHeader();
    header->setStretchLastSection(!table.comparison());
    for (int c = 0; c < columns; ++c)
        header->setSectionResizeMode(c, c == 0   ? QHeaderView::Interactive
                                        : c <= 2 ? QHeaderView::Stretch
                                                 : QHeaderView::ResizeToContents);
    Tabelle->setColumnWidth(0, table.comparison() ? 150 : 220);

    const std::string* section = nullptr;
    QFont bold = Tabelle->font();
    bold.setBold(true);
    for (const KeyFigureRow& row : table.rows) {
        const int r = Tabelle->rowCount();
        if (!section || *section != row.section) {
            section = &row.section;
            Tabelle->insertRow(r);
            QTableWidgetItem* head = Cell(QText(row.section));
            head->setFont(bold);
            head->setBackground(QColor(225, 230, 240));
            Tabelle->setItem(r, 0, head);
            Tabelle->setSpan(r, 0, 1, columns);
        }
        const int at = Tabelle->rowCount();
        Tabelle->insertRow(at);
        const std::vector<std::string> cells = table.Cells(row);
        for (int c = 0; c < columns; ++c)
            Tabelle->setItem(at, c, Cell(QText(cells[static_cast<std::size_t>(c)])));
        // The word stays: the colour is not the only cue.
        if (!row.assessment.empty())
            Tabelle->item(at, columns - 1)
                ->setForeground(chartstyle::AssessmentColor(row.assessment));
        if (table.comparison() && row.note())
            Tabelle->setSpan(at, 1, 1, columns - 1);
    }
    Tabelle->resizeRowsToContents();
}

void TKennzahlenDlg::ShowFigures(const KeyFigureTable& table) {
    SetFigures(table);
    if (ShowModeless(*this, placed_))
        Tabelle->resizeRowsToContents(); // the value column has its width only now
}

void TKennzahlenDlg::PrintBtnClick() {
    if (printer_) {
        PrintKeyFigures(*printer_, table_);
        return;
    }
    const std::unique_ptr<QPrinter> printer = CurrentPrinter();
    PrintKeyFigures(*printer, table_);
}

void TKennzahlenDlg::CopyBtnClick() {
    QGuiApplication::clipboard()->setText(QText(KeyFigureTsv(table_)));
}

void TKennzahlenDlg::OKBtnClick() {
    close();
}

void TKennzahlenDlg::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width(), h = height();
    Tabelle->setGeometry(8, 8, w - 16, h - 49);
    PrintBtn->setGeometry(8, h - 33, 25, 25);
    CopyBtn->setGeometry(w - 170, h - 33, 81, 25);
    OKBtn->setGeometry(w - 81, h - 33, 73, 25);
    Tabelle->resizeRowsToContents();
}

void PrintKeyFigures(QPrinter& printer, const KeyFigureTable& table) {
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(QText(table.title));
    QPainter painter;
    BeginPrintJob(painter, printer);
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    PaintKeyFigurePage(painter, page, printer.resolution(), table);
    painter.end();
}
