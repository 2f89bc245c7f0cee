// TEtageDlg: the floor names dialog, one edit box and one label per floor of the loaded file.
#pragma once

#include "statglob/store.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

class TEtageDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMaxEdits = 60;

    explicit TEtageDlg(StatisticsStore& store, QWidget* parent = nullptr);

    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    // Entries 0..BuiltCount()-1 are valid from FormShow until FormClose.
    std::array<QLineEdit*, kMaxEdits> FloorEdits{};
    std::array<QLabel*, kMaxEdits> FloorLabels{};

    // How many floors the controls were built for; the count of the file loaded at the time
    // the dialog was shown, which OK and closing go by.
    int BuiltCount() const { return built_; }

    void OKBtnClick();
    void CancelBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormShow();
    void FormClose();

    StatisticsStore& store_;
    int built_ = 0;
};

// The one floor names dialog of the run, created at start-up after the main window.
extern TEtageDlg* EtageDlg;
