#include "mainpictures.h"

#include "coverprint.h"

#include <QPixmap>

QIcon TwoImagePicture(const QString& resource) {
    InitMainWindowResources();
    const QPixmap strip(resource);
    QIcon icon;
    if (strip.isNull())
        return icon;
    const int half = strip.width() / 2;
    const QPixmap enabled = strip.copy(0, 0, half, strip.height());
    const QPixmap disabled = strip.copy(half, 0, half, strip.height());
    for (const QIcon::State state : {QIcon::Off, QIcon::On}) {
        icon.addPixmap(enabled, QIcon::Normal, state);
        icon.addPixmap(enabled, QIcon::Active, state);
        icon.addPixmap(enabled, QIcon::Selected, state);
        icon.addPixmap(disabled, QIcon::Disabled, state);
    }
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
QIcon PrinterSetupPicture() {
    return TwoImagePicture(QStringLiteral(":/mainwin/setupbtn.png"));
}
QIcon CheckMarkPicture() {
    return TwoImagePicture(QStringLiteral(":/mainwin/haken.png"));
}

QIcon ProgramIcon() {
    InitMainWindowResources();
    return QIcon(QStringLiteral(":/mainwin/gruppenstatistik.png"));
}
