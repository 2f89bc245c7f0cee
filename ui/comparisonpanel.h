// ComparisonPanel: the main window's comparison: its button (load a second file; with one loaded,
// a menu that replaces or drops it) and the line below the chart buttons that names it.
#pragma once

#include "statglob/store.h"

#include <QObject>

#include <functional>
#include <optional>

class QLabel;
class QToolButton;
class QWidget;

class ComparisonPanel : public QObject {
    Q_OBJECT

public:
    // Runs the open dialog for a comparison file; the chosen path, or an empty text.
    using FileChooser = std::function<QString()>;

    // Builds the button and the line on `window`, beside the loaded file's `store`.
    ComparisonPanel(QWidget& window, const StatisticsStore& store, FileChooser chooseFile);

    QToolButton* const VergleichBtn;
    QLabel* const VergleichLabel;

    // Without a comparison: the open dialog, then OpenComparisonFile. With one, the button
    // opens its menu instead, whose entries run these two.
    void VergleichBtnClick();
    void VergleichEntfernenClick();
    // Loads a second file as the comparison; the loaded file's store is never touched. On an
    // error the comparison loaded before stays.
    void OpenComparisonFile(const QString& path);

    // The comparison store; null when none is loaded.
    const StatisticsStore* Store() const { return vergleich_ ? &*vergleich_ : nullptr; }
    // Its path as loaded; empty when none is loaded.
    QString File() const;
    // The button and the line for the comparison against the file loaded now.
    void Show();

signals:
    // A comparison was loaded or dropped.
    void changed();

private:
    const StatisticsStore& store_;
    FileChooser chooseFile_;
    std::optional<StatisticsStore> vergleich_;
};
