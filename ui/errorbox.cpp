#include "ui/errorbox.h"

#include "statglob/errors.h"
#include "statglob/qtext.h"

#include <QMessageBox>

namespace {

void ShowMessageBox(const QString& text, QWidget* parent) {
    QMessageBox box(QMessageBox::Critical, QText(kAppTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

ErrorPresenter& Presenter() {
    static ErrorPresenter presenter = ShowMessageBox;
    return presenter;
}

} // namespace

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

QString ExceptionMessage(const std::exception& e) {
    return QText(e.what());
}

void ShowErrorBox(const QString& message, QWidget* parent) {
    const ErrorPresenter& presenter = Presenter();
    (presenter ? presenter : ShowMessageBox)(ErrorBoxText(message), parent);
}

void ShowErrorBox(const std::exception& e, QWidget* parent) {
    const auto* conversion = dynamic_cast<const ConversionError*>(&e);
    if (!conversion || !conversion->located())
        return ShowErrorBox(ExceptionMessage(e), parent);
    const ErrorPresenter& presenter = Presenter();
    (presenter ? presenter : ShowMessageBox)(ExceptionMessage(e), parent);
}

bool RunHandler(const std::function<void()>& handler, QWidget* parent) {
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        ShowErrorBox(e, parent);
    } catch (...) {
        ShowErrorBox(QStringLiteral("Unbekannter Fehler"), parent);
    }
    return false;
}

ErrorPresenter SetErrorPresenter(ErrorPresenter presenter) {
    ErrorPresenter previous = std::move(Presenter());
    Presenter() = std::move(presenter);
    return previous;
}
