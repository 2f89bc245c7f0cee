// TKennzahlenDlg: the key-figures window: the figures of the loaded file, or of both periods of
// a comparison, as a table, printable and copyable for a spreadsheet.
#pragma once

#include "charts/keyfigurerow.h"

#include <QWidget>

class QPrinter;
class QPushButton;
class QTableWidget;
class QToolButton;

// Modeless like the chart window; closing it (OK or the close box) only hides it. At most
// kDefaultHeight high at first (less on a lower screen), resizable; the table scrolls.
class TKennzahlenDlg : public QWidget {
    Q_OBJECT

public:
    static constexpr int kDefaultWidth = 640;
    static constexpr int kDefaultHeight = 600;

    explicit TKennzahlenDlg(QWidget* parent = nullptr);

    QTableWidget* const Tabelle;
    QToolButton* const PrintBtn;
    QPushButton* const CopyBtn;
    QPushButton* const OKBtn;

    // Fills the table and shows the window without waiting: centred the first time, brought to
    // the front when already visible. The table's title heads the printed page.
    void ShowFigures(const KeyFigureTable& table);
    // Puts the figures in the table, whether shown or not: its columns, each section as a
    // heading across them, "besser" in green and "schlechter" in red.
    void SetFigures(const KeyFigureTable& table);
    const KeyFigureTable& Figures() const { return table_; }

    // One portrait page on the printer set with setPrinter, else the system's current one;
    // throws "Kein Drucker installiert." when there is none.
    void PrintBtnClick();
    // The figures as tab-separated columns to the clipboard (also Ctrl+C), for a spreadsheet.
    void CopyBtnClick();
    void OKBtnClick();

    // Not owned; null (the default) means the system's current printer.
    void setPrinter(QPrinter* printer) { printer_ = printer; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    KeyFigureTable table_;
    QPrinter* printer_ = nullptr;
    bool placed_ = false;
};

// The figures on one portrait page of the printer. Throws std::runtime_error (German) when the
// print job cannot be started.
void PrintKeyFigures(QPrinter& printer, const KeyFigureTable& table);
