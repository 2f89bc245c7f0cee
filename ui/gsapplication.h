// GsApplication: the program's QApplication; exceptions that reach the event loop go into the
// error box and the loop goes on.
#pragma once

#include <QApplication>

class GsApplication : public QApplication {
    Q_OBJECT

public:
    GsApplication(int& argc, char** argv);

    // Handlers are best wrapped with RunHandler/Guarded (errorbox.h): the toolkit's widget code
    // is built without exceptions, so an exception passing through it skips its clean-up (a
    // click leaks its event data). This is the net for handlers that are not wrapped.
    bool notify(QObject* receiver, QEvent* event) override;
};
