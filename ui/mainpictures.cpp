#include "ui/mainpictures.h"

#include <QFont>
#include <QKeySequence>
#include <QPixmap>
#include <QShortcut>
#include <QToolButton>

namespace {

// Adds the two halves of one strip, drawn for a screen of `ratio` device pixels per pixel.
void AddHalves(QIcon& icon, const QString& resource, qreal ratio) {
    const QPixmap strip(resource);
    if (strip.isNull())
        return;
    const int half = strip.width() / 2;
    QPixmap enabled = strip.copy(0, 0, half, strip.height());
    QPixmap disabled = strip.copy(half, 0, half, strip.height());
    enabled.setDevicePixelRatio(ratio);
    disabled.setDevicePixelRatio(ratio);
    for (const QIcon::State state : {QIcon::Off, QIcon::On}) {
        icon.addPixmap(enabled, QIcon::Normal, state);
        icon.addPixmap(enabled, QIcon::Active, state);
        icon.addPixmap(enabled, QIcon::Selected, state);
        icon.addPixmap(disabled, QIcon::Disabled, state);
    }
}

} // namespace

QIcon TwoImagePicture(const QString& resource) {
    QIcon icon;
    AddHalves(icon, resource, 1.0);
    // Screens scaled to 150 % and more take the twice-size drawing instead of blowing up this.
    QString twice = resource;
    twice.insert(twice.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
    AddHalves(icon, twice, 2.0);
    return icon;
}

QIcon ExitPicture() {
    return TwoImagePicture(QStringLiteral(":/mainwin/exitbtn.png"));
}
QIcon OpenPicture() {
    return TwoImagePicture(QStringLiteral(":/mainwin/openbtn.png"));
}
QIcon PrintPicture() {
    return TwoImagePicture(QStringLiteral(":/mainwin/printbtn.png"));
}
QIcon ComparePicture() {
    return TwoImagePicture(QStringLiteral(":/mainwin/comparebtn.png"));
}
QIcon PrinterSetupPicture() {
    return TwoImagePicture(QStringLiteral(":/mainwin/setupbtn.png"));
}
QIcon ReportPicture() {
    return TwoImagePicture(QStringLiteral(":/mainwin/reportbtn.png"));
}
QIcon OverviewPicture() {
    return TwoImagePicture(QStringLiteral(":/mainwin/overviewbtn.png"));
}
QIcon CheckMarkPicture() {
    return TwoImagePicture(QStringLiteral(":/mainwin/haken.png"));
}

QIcon ProgramIcon() {
    return QIcon(QStringLiteral(":/mainwin/gruppenstatistik.png"));
}

QToolButton* FlatButton(QWidget& parent, const QString& name, const QRect& place) {
    auto* button = new QToolButton(&parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void GiveKey(QToolButton& button, const QKeySequence& keys) {
    auto* shortcut = new QShortcut(keys, button.window());
    QObject::connect(shortcut, &QShortcut::activated, &button, [&button] {
        if (button.isEnabled())
            button.click();
    });
    const QString hint = button.toolTip().isEmpty() ? button.text().trimmed() : button.toolTip();
    button.setToolTip(hint + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) +
                      QLatin1Char(')'));
}

QToolButton* PictureButton(QWidget& parent, const QString& name, int left, const QIcon& picture,
                           const QString& hint) {
    QToolButton* button = FlatButton(parent, name, QRect(left, 24, 25, 25));
    button->setIcon(picture);
    button->setIconSize(QSize(16, 16));
    button->setToolTip(hint);
    return button;
}

QToolButton* TextButton(QWidget& parent, const QString& name, const QRect& place,
                        const QString& text) {
    QToolButton* button = FlatButton(parent, name, place);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    button->setFont(font);
    QPalette blue = button->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        blue.setColor(group, QPalette::ButtonText, Qt::blue);
    button->setPalette(blue);
    return button;
}
