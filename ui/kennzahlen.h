// TKennzahlenDlg: the key-figures window: the figures of the loaded file as a table, printable
// and copyable as text.
#pragma once

#include "charts/keyfigurerow.h"

#include <QWidget>

#include <vector>

class QPrinter;
class QPushButton;
class QTableWidget;
class QToolButton;

// Modeless like the chart window; closing it (OK or the close box) only hides it.
class TKennzahlenDlg : public QWidget {
    Q_OBJECT

public:
    explicit TKennzahlenDlg(QWidget* parent = nullptr);

    QTableWidget* const Tabelle;
    QToolButton* const PrintBtn;
    QPushButton* const CopyBtn;
    QPushButton* const OKBtn;

    // Fills the table and shows the window without waiting: centred the first time, brought to
    // the front when already visible. `title` heads the printed page.
    void ShowFigures(const QString& title, const std::vector<KeyFigureRow>& rows);
    // Puts the figures in the table, whether shown or not.
    void SetFigures(const QString& title, const std::vector<KeyFigureRow>& rows);
    const std::vector<KeyFigureRow>& Rows() const { return rows_; }

    // One portrait page on the printer set with setPrinter, else the system's current one;
    // throws "Kein Drucker installiert." when there is none.
    void PrintBtnClick();
    // The figures as text to the clipboard (also Ctrl+C).
    void CopyBtnClick();
    void OKBtnClick();

    // Not owned; null (the default) means the system's current printer.
    void setPrinter(QPrinter* printer) { printer_ = printer; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString title_;
    std::vector<KeyFigureRow> rows_;
    QPrinter* printer_ = nullptr;
    bool placed_ = false;
};

// The figures on one portrait page of the printer. Throws std::runtime_error (German) when the
// print job cannot be started.
void PrintKeyFigures(QPrinter& printer, const QString& title,
                     const std::vector<KeyFigureRow>& rows);
