#include "ui/modeless.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

bool ShowModeless(QWidget& window, bool& placed) {
    const bool wasHidden = !window.isVisible();
    if (wasHidden) {
        if (!placed) {
            placed = true;
            QWidget* parent = window.parentWidget();
            QScreen* screen = parent ? parent->screen() : nullptr;
            if (!screen)
                screen = QGuiApplication::primaryScreen();
            if (screen) {
                QRect frame = window.frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                window.move(frame.topLeft());
            }
        }
        window.show();
    }
    // A minimised window is brought back, not only raised behind its icon.
    if (window.isMinimized())
        window.showNormal();
    window.raise();
    window.activateWindow();
    return wasHidden;
}
