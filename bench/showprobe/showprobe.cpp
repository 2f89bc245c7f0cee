// gs_showprobe: preloaded into the program (LD_PRELOAD), it ends the process as soon as the
// first window that is not a dialog has been shown and painted, so that the run time of the
// whole process is the time from start to a shown main window. bench/measure.sh uses it.
#include <QApplication>
#include <QByteArray>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <unistd.h>

namespace {

class ShowProbe : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (done_ || event->type() != QEvent::Expose)
            return false;
        const auto* window = qobject_cast<QWindow*>(watched);
        if (!window || !window->isExposed())
            return false;
        for (const QWidget* w : QApplication::topLevelWidgets()) {
            if (w->windowHandle() != window || w->inherits("QDialog"))
                continue;
            done_ = true;
            const QByteArray name = w->metaObject()->className();
            // Queued: runs once this expose has been handled, that is, painted.
            QTimer::singleShot(0, [name] {
                std::fprintf(stderr, "gs_showprobe: %s shown\n", name.constData());
                std::fflush(stderr);
                _exit(0);
            });
        }
        return false;
    }

private:
    bool done_ = false;
};

void InstallShowProbe() {
    QCoreApplication::instance()->installEventFilter(new ShowProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallShowProbe)
