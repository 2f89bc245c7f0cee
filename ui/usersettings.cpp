#include "ui/usersettings.h"

#include "statglob/lastdir.h"
#include "statglob/qtext.h"
#include "statglob/text.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>

namespace {

QString PlaceKey(const QWidget& window) {
    return QStringLiteral("Fenster/") + window.objectName() + QStringLiteral("/Ort");
}
QString MaximisedKey(const QWidget& window) {
    return QStringLiteral("Fenster/") + window.objectName() + QStringLiteral("/maximiert");
}
const QString kRecentKey = QStringLiteral("ZuletztGeladen");

void SavePlace(const QWidget& window) {
    if (const auto settings = UserSettings()) {
        settings->setValue(PlaceKey(window), window.normalGeometry());
        settings->setValue(MaximisedKey(window), window.isMaximized());
    }
}

// Saves the place whenever the window is closed or hidden by the program; a minimised window
// (a hide of the system's) is not left anywhere.
class PlaceKeeper : public QObject {
public:
    explicit PlaceKeeper(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
            if (window_.isVisible())
                SavePlace(window_);
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Hide && !event->spontaneous())
            SavePlace(window_);
        return false;
    }

private:
    QWidget& window_;
};

// The screen whose free area holds the middle of the place's top edge, where the window is
// taken to move it; null when there is none.
QScreen* ScreenOf(const QRect& place) {
    const QPoint grip(place.center().x(), place.top());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(grip))
            return screen;
    return nullptr;
}

} // namespace

std::unique_ptr<QSettings> UserSettings() {
    const std::string lastDir = DefaultLastDirPath();
    if (lastDir.empty())
        return nullptr;
    const std::string file = Beside(lastDir, "gruppenstatistik.ini");
    return std::make_unique<QSettings>(FileNameText(file), QSettings::IniFormat);
}

bool KeepPlace(QWidget& window) {
    new PlaceKeeper(window);
    const auto settings = UserSettings();
    if (!settings)
        return false;
    QRect place = settings->value(PlaceKey(window)).toRect();
    const QScreen* screen = place.isValid() ? ScreenOf(place) : nullptr;
    if (!screen)
        return false;
    place.setSize(place.size().boundedTo(screen->availableGeometry().size()));
    window.setGeometry(place);
    const bool maximised = settings->value(MaximisedKey(window)).toBool();
    window.setWindowState(maximised ? window.windowState() | Qt::WindowMaximized
                                    : window.windowState() & ~Qt::WindowMaximized);
    return true;
}

std::vector<std::string> RecentFiles() {
    std::vector<std::string> files;
    if (const auto settings = UserSettings()) {
        const int count = std::min(settings->beginReadArray(kRecentKey), kRecentFiles);
        for (int i = 0; i < count; ++i) {
            settings->setArrayIndex(i);
            const QByteArray path = settings->value(QStringLiteral("Datei")).toByteArray();
            if (!path.isEmpty())
                files.push_back(path.toStdString());
        }
        settings->endArray();
    }
    return files;
}

void AddRecentFile(const std::string& path) {
    std::vector<std::string> files = RecentFiles();
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    files.insert(files.begin(), path);
    files.resize(std::min<std::size_t>(files.size(), kRecentFiles));
    if (const auto settings = UserSettings()) {
        settings->remove(kRecentKey);
        settings->beginWriteArray(kRecentKey, static_cast<int>(files.size()));
        for (std::size_t i = 0; i < files.size(); ++i) {
            settings->setArrayIndex(static_cast<int>(i));
            // The name's bytes: a Latin-1 name comes back as it was.
            settings->setValue(QStringLiteral("Datei"), QByteArray::fromStdString(files[i]));
        }
        settings->endArray();
    }
}
