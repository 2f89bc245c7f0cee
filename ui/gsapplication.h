// GsApplication: the program's QApplication; exceptions that reach the event loop go into the
// error box and the loop goes on.
#pragma once

#include <QApplication>

class GsApplication : public QApplication {
    Q_OBJECT

public:
    GsApplication(int& argc, char** argv);

    // Handlers are best wrapped with RunHandler/Guarded (errorbox.h) so that the exception never
    // passes through the toolkit's own code; this is the net for those that are not.
    bool notify(QObject* receiver, QEvent* event) override;
};
