#include "statetag.h"

#include "cp1252.h"
#include "errorbox.h"

#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>

#include <algorithm>

TEtageDlg* EtageDlg = nullptr;

namespace {

QFont ArialFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    font.setBold(false); // stated, or the dialog's bold would be inherited
    return font;
}

// Left of edit box and label, and the row within the column, for floor i (from 1).
struct Place {
    int editLeft;
    int labelLeft;
    int row;
};
Place PlaceOf(int i) {
    if (i <= 15)
        return {100, 30, i};
    if (i <= 30)
        return {250, 180, i - 15};
    return {350, 280, i - 30};
}

constexpr int kEditWidth = 35;
constexpr int kRowPitch = 20;

} // namespace

TEtageDlg::TEtageDlg(StatisticsStore& store, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      store_(store) {
    setObjectName(QStringLiteral("EtageDlg"));
    setWindowTitle(QStringLiteral("Etagenbezeichnungen"));
    setModal(false);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    font.setBold(true);
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    resize(540, 397);
    setWindowState(Qt::WindowMaximized);

    OKBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"),
                            this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(440, 344, 77, 27);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                QStringLiteral("Abbrechen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(344, 344, 93, 27);
    for (QPushButton* button : {OKBtn, CancelBtn}) {
        button->setFont(ArialFont());
        button->setPalette(pal);
    }
    setTabOrder(OKBtn, CancelBtn);

    connect(OKBtn, &QPushButton::clicked, this, Guarded(this, [this] { OKBtnClick(); }));
    connect(CancelBtn, &QPushButton::clicked, this, Guarded(this, [this] { CancelBtnClick(); }));
}

void TEtageDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunHandler([this] { FormShow(); }, this);
}

void TEtageDlg::hideEvent(QHideEvent* event) {
    // Every close hides the dialog: OK, Abbrechen, Escape, the close box.
    if (!event->spontaneous())
        FormClose();
    QDialog::hideEvent(event);
}

void TEtageDlg::FormShow() {
    FormClose(); // never two sets of controls
    const int count = std::min<int>(store_.FloorCount, kMaxEdits);
    QWidget* previous = CancelBtn;
    for (int i = 1; i <= count; ++i) {
        const Place place = PlaceOf(i);
        const int top = kRowPitch * place.row + 30;

        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("EtEdit%1").arg(i));
        edit->setFont(ArialFont());
        // The box's own height fits the font; it may not reach into the next row.
        const int height = std::min(edit->sizeHint().height(), kRowPitch);
        edit->setGeometry(place.editLeft, top, kEditWidth, height);
        edit->setText(QString::fromStdString(Cp1252ToUtf8(store_.FloorNames[i - 1].view())));
        edit->setCursorPosition(0);

        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("EtLabel%1").arg(i));
        label->setFont(ArialFont());
        label->setText(QStringLiteral("Etage%1").arg(i - 1));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->move(place.labelLeft, top);
        label->resize(std::max(30, label->sizeHint().width()), height);

        edit->show();
        label->show();
        setTabOrder(previous, edit);
        previous = edit;
        FloorEdits[i - 1] = edit;
        FloorLabels[i - 1] = label;
        built_ = i;
    }
    OKBtn->setFocus();
}

void TEtageDlg::OKBtnClick() {
    for (int k = 0; k < built_; ++k)
        store_.FloorNames[k] = Utf8ToCp1252(FloorEdits[k]->text().toStdString());
    accept();
}

void TEtageDlg::CancelBtnClick() {
    reject();
}

void TEtageDlg::FormClose() {
    for (int k = 0; k < built_; ++k) {
        delete FloorEdits[k];
        delete FloorLabels[k];
        FloorEdits[k] = nullptr;
        FloorLabels[k] = nullptr;
    }
    built_ = 0;
}
