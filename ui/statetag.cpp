#include "ui/statetag.h"

#include "statglob/errors.h"
#include "statglob/floornames.h"
#include "statglob/outputfile.h"
#include "statglob/qtext.h"
#include "statglob/text.h"
#include "ui/errorbox.h"
#include "ui/usersettings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
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

constexpr int kRowPitch = 20;
constexpr int kRowsPerColumn = 15;
constexpr int kFirstLabelLeft = 30;
constexpr int kLabelGap = 4;   // between a label and its box
constexpr int kColumnGap = 16; // between a box and the next column's label
constexpr int kNameLength = 10;

const QString kNotUsed =
    QStringLiteral("\nDie Etagenbezeichnungen dieser Datei werden nicht verwendet und nicht "
                   "überschrieben.");
const QString kNotKept = QStringLiteral(
    "\nDie Etagenbezeichnungen gelten bis zum Programmende, werden aber nicht gespeichert.");

// Columns of 15 floors, each a label and its box, wide enough for the font in use: the longest
// label ("Etage39") and a designation of ten characters.
struct Columns {
    int labelWidth;
    int editWidth;
    int pitch;
};
Columns ColumnsFor(const QLineEdit& edit) {
    const QFontMetrics metrics(edit.font());
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("Etage39"));
    // Ten capitals, plus the box's frame and inner margins: what its size hint adds to the
    // room for 17 "x" it asks for.
    const int frame = edit.sizeHint().width() - metrics.horizontalAdvance(QLatin1Char('x')) * 17;
    const int editWidth =
        metrics.horizontalAdvance(QString(kNameLength, QLatin1Char('N'))) + std::max(frame, 8);
    return {labelWidth, editWidth, labelWidth + kLabelGap + editWidth + kColumnGap};
}

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
    // Maximised, unless the user left it elsewhere.
    if (!KeepPlace(*this))
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
    // Above the first row: names files elsewhere.
    LadenBtn = new QPushButton(QStringLiteral("Laden…"), this);
    LadenBtn->setObjectName(QStringLiteral("LadenBtn"));
    LadenBtn->setGeometry(30, 12, 93, 27);
    SpeichernUnterBtn = new QPushButton(QStringLiteral("Speichern unter…"), this);
    SpeichernUnterBtn->setObjectName(QStringLiteral("SpeichernUnterBtn"));
    SpeichernUnterBtn->setGeometry(127, 12, 117, 27);
    for (QPushButton* button : {OKBtn, CancelBtn, LadenBtn, SpeichernUnterBtn}) {
        button->setFont(ArialFont());
        button->setPalette(pal);
    }
    for (QPushButton* button : {LadenBtn, SpeichernUnterBtn})
        button->setAutoDefault(false);
    setTabOrder(OKBtn, CancelBtn);

    connect(OKBtn, &QPushButton::clicked, this, Guarded(this, [this] { OKBtnClick(); }));
    connect(CancelBtn, &QPushButton::clicked, this, Guarded(this, [this] { CancelBtnClick(); }));
    connect(LadenBtn, &QPushButton::clicked, this, Guarded(this, [this] { LadenBtnClick(); }));
    connect(SpeichernUnterBtn, &QPushButton::clicked, this,
            Guarded(this, [this] { SpeichernUnterBtnClick(); }));

    chooser_ = [this](bool save, const QString& proposed) {
        const QString filter = QStringLiteral("Etagenbezeichnungen (*.txt)");
        // MayWrite asks, after the suffix is added and the inputs are refused.
        return save ? QFileDialog::getSaveFileName(this,
                                                   QStringLiteral("Etagenbezeichnungen "
                                                                  "speichern unter"),
                                                   proposed, filter, nullptr,
                                                   QFileDialog::DontConfirmOverwrite)
                    : QFileDialog::getOpenFileName(
                          this, QStringLiteral("Etagenbezeichnungen laden"), proposed, filter);
    };
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
        const int column = (i - 1) / kRowsPerColumn;
        const int top = kRowPitch * (i - kRowsPerColumn * column) + 30;

        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("EtEdit%1").arg(i));
        edit->setFont(ArialFont());
        edit->setMaxLength(kNameLength); // a designation holds ten characters
        const Columns columns = ColumnsFor(*edit);
        const int labelLeft = kFirstLabelLeft + columns.pitch * column;
        // The box's own height fits the font; it may not reach into the next row.
        const int height = std::min(edit->sizeHint().height(), kRowPitch);
        edit->setGeometry(labelLeft + columns.labelWidth + kLabelGap, top, columns.editWidth,
                          height);
        edit->setText(QString::fromStdString(Cp1252ToUtf8(store_.FloorNames[i - 1].view())));
        edit->setCursorPosition(0);

        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("EtLabel%1").arg(i));
        label->setFont(ArialFont());
        label->setText(QStringLiteral("Etage%1").arg(i - 1));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(labelLeft, top, columns.labelWidth, height);

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

std::vector<std::string> TEtageDlg::TypedNames() const {
    std::vector<std::string> names;
    for (int k = 0; k < built_; ++k)
        names.push_back(Utf8ToCp1252(FloorEdits[k]->text().toStdString()));
    return names;
}

QStringList TEtageDlg::Inputs() const {
    return inputs_ ? inputs_() : QStringList{QText(store_.FileName.view())};
}

void TEtageDlg::OKBtnClick() {
    const std::vector<std::string> names = TypedNames();
    for (std::size_t k = 0; k < names.size(); ++k)
        store_.FloorNames[k] = names[k];
    accept();
    WriteNamesBeside(names);
}

void TEtageDlg::WriteNamesBeside(const std::vector<std::string>& names) {
    if (store_.FileName.view().empty())
        return;
    const std::string path = FloorNamesFileBeside(store_.FileName.str());
    if (path == unreadable_)
        return; // the user's file, which the load could not read: said then
    try {
        std::vector<std::string> inputs;
        for (const QString& input : Inputs())
            inputs.push_back(FileNameBytes(input));
        if (const std::string why = OutputRefusal(path, inputs); !why.empty())
            throw std::runtime_error(why);
        WriteFloorNamesFile(path, names);
    } catch (const std::exception& e) {
        if (path == unwritable_)
            return;
        unwritable_ = path;
        ShowErrorBox(ErrorBoxText(ExceptionMessage(e)) + kNotKept, parentWidget());
    }
}

void TEtageDlg::ReadNamesBeside() {
    const std::string path = FloorNamesFileBeside(store_.FileName.str());
    unreadable_.clear(); // read anew: the user may have mended it
    try {
        const std::vector<std::string> names = ReadFloorNames(path);
        store_.SetFloorNameDefaults();
        for (std::size_t k = 0; k < names.size(); ++k)
            store_.FloorNames[k] = names[k];
    } catch (const std::exception& e) {
        if (const auto* io = dynamic_cast<const IoError*>(&e); io && io->code() == 2)
            return; // none yet
        unreadable_ = path;
        ShowErrorBox(ErrorBoxText(ExceptionMessage(e)) + kNotUsed, parentWidget());
    }
}

QString TEtageDlg::ProposedNamesFile() const {
    if (store_.FileName.view().empty())
        return QDir::home().filePath(QString::fromUtf8(kFloorNamesFileName));
    return FileNameText(FloorNamesFileBeside(store_.FileName.str()));
}

void TEtageDlg::LadenBtnClick() {
    const QString path = chooser_ ? chooser_(false, ProposedNamesFile()) : QString();
    if (path.isEmpty())
        return;
    const std::vector<std::string> names = ReadFloorNames(FileNameBytes(path));
    for (int k = 0; k < std::min<int>(built_, static_cast<int>(names.size())); ++k)
        FloorEdits[k]->setText(QText(Cp1252ToUtf8(names[k])));
}

void TEtageDlg::SpeichernUnterBtnClick() {
    QString path = chooser_ ? chooser_(true, ProposedNamesFile()) : QString();
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".txt");
    if (MayWrite(path, Inputs(), this))
        WriteFloorNamesFile(FileNameBytes(path), TypedNames());
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
