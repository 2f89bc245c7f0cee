#include "ui/gsapplication.h"

#include "ui/errorbox.h"

#include <QPointer>
#include <QWidget>

GsApplication::GsApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GsApplication::notify(QObject* receiver, QEvent* event) {
    // The receiver may be gone once the event is handled; the box then has no parent.
    QPointer<QWidget> window;
    if (receiver && receiver->isWidgetType())
        window = static_cast<QWidget*>(receiver)->window();
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowErrorBox(e, window.data());
    } catch (...) {
        ShowErrorBox(QStringLiteral("Unbekannter Fehler"), window.data());
    }
    // The handler that failed had the event; nobody else should get it as well.
    return true;
}
