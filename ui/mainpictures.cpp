#include "mainpictures.h"

#include "coverprint.h"

#include <QPixmap>

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
    InitMainWindowResources();
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
QIcon PrinterSetupPicture() {
    return TwoImagePicture(QStringLiteral(":/mainwin/setupbtn.png"));
}
QIcon ReportPicture() {
    return TwoImagePicture(QStringLiteral(":/mainwin/reportbtn.png"));
}
QIcon CheckMarkPicture() {
    return TwoImagePicture(QStringLiteral(":/mainwin/haken.png"));
}

QIcon ProgramIcon() {
    InitMainWindowResources();
    return QIcon(QStringLiteral(":/mainwin/gruppenstatistik.png"));
}
