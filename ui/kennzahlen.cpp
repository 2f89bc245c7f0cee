#include "ui/kennzahlen.h"

#include "statglob/qtext.h"

#include "chartfx3/chartprinting.h"
#include "chartfx3/report/keyfigurepage.h"
#include "charts/keyfigures.h"
#include "ui/errorbox.h"
#include "ui/mainpictures.h"
#include "ui/modeless.h"
#include "ui/usersettings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QToolButton>

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
    resize(640, 720);

    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Tabelle->setHorizontalHeaderLabels({QStringLiteral("Kennzahl"), QStringLiteral("Wert")});
    Tabelle->verticalHeader()->hide();
    Tabelle->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    Tabelle->horizontalHeader()->setStretchLastSection(true);
    Tabelle->setColumnWidth(0, 220);
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
    CopyBtn->setToolTip(QStringLiteral("Kennzahlen als Text in die Zwischenablage (Strg+C)"));
    CopyBtn->setAutoDefault(false);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setAutoDefault(false);

    connect(PrintBtn, &QToolButton::clicked, this, Guarded(this, [this] { PrintBtnClick(); }));
    connect(CopyBtn, &QPushButton::clicked, this, Guarded(this, [this] { CopyBtnClick(); }));
    connect(OKBtn, &QPushButton::clicked, this, Guarded(this, [this] { OKBtnClick(); }));
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, Guarded(this, [this] { CopyBtnClick(); }));
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, [this] { close(); });
    placed_ = KeepPlace(*this);
}

void TKennzahlenDlg::SetFigures(const QString& title, const std::vector<KeyFigureRow>& rows) {
    title_ = title;
    rows_ = rows;
    Tabelle->clearSpans();
    Tabelle->setRowCount(0);
    const std::string* section = nullptr;
    QFont bold = Tabelle->font();
    bold.setBold(true);
    for (const KeyFigureRow& row : rows) {
        const int r = Tabelle->rowCount();
        if (!section || *section != row.section) {
            section = &row.section;
            Tabelle->insertRow(r);
            QTableWidgetItem* head = Cell(QText(row.section));
            head->setFont(bold);
            head->setBackground(QColor(225, 230, 240));
            Tabelle->setItem(r, 0, head);
            Tabelle->setSpan(r, 0, 1, 2);
        }
        const int at = Tabelle->rowCount();
        Tabelle->insertRow(at);
        Tabelle->setItem(at, 0, Cell(QText(row.label)));
        Tabelle->setItem(at, 1, Cell(QText(row.value)));
    }
    Tabelle->resizeRowsToContents();
}

void TKennzahlenDlg::ShowFigures(const QString& title, const std::vector<KeyFigureRow>& rows) {
    SetFigures(title, rows);
    if (ShowModeless(*this, placed_))
        Tabelle->resizeRowsToContents(); // the value column has its width only now
}

void TKennzahlenDlg::PrintBtnClick() {
    if (printer_) {
        PrintKeyFigures(*printer_, title_, rows_);
        return;
    }
    const std::unique_ptr<QPrinter> printer = CurrentPrinter();
    PrintKeyFigures(*printer, title_, rows_);
}

void TKennzahlenDlg::CopyBtnClick() {
    QGuiApplication::clipboard()->setText(QText(KeyFigureText(rows_)));
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

void PrintKeyFigures(QPrinter& printer, const QString& title,
                     const std::vector<KeyFigureRow>& rows) {
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(title);
    QPainter painter;
    BeginPrintJob(painter, printer);
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    PaintKeyFigurePage(painter, page, printer.resolution(), title, rows);
    painter.end();
}
