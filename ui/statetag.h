// TEtageDlg: the floor names dialog, one edit box and one label per floor of the loaded file.
#pragma once

#include "statglob/store.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

class TEtageDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMaxEdits = 60;

    // Runs the open dialog (save false) or the save dialog for a names file, proposing
    // `proposed`; the chosen path, or an empty text when it was cancelled.
    using NamesFileChooser = std::function<QString(bool save, const QString& proposed)>;
    // The files never written: the statistics and the comparison file.
    using InputFiles = std::function<QStringList()>;

    explicit TEtageDlg(StatisticsStore& store, QWidget* parent = nullptr);

    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* LadenBtn;
    QPushButton* SpeichernUnterBtn;
    // Entries 0..BuiltCount()-1 are valid from FormShow until FormClose.
    std::array<QLineEdit*, kMaxEdits> FloorEdits{};
    std::array<QLabel*, kMaxEdits> FloorLabels{};

    // How many floors the controls were built for; the count of the file loaded at the time
    // the dialog was shown, which OK and closing go by.
    int BuiltCount() const { return built_; }

    // Takes the names into the store and keeps them beside the statistics file
    // (kFloorNamesFileName); a folder that cannot take them is named once, and the names stay
    // in force for the run.
    void OKBtnClick();
    void CancelBtnClick();
    // A names file elsewhere into the boxes; OK takes them.
    void LadenBtnClick();
    // The boxes' names into a names file elsewhere.
    void SpeichernUnterBtnClick();

    // After a load: the names kept beside the statistics file, when there are any, become the
    // floor names (the defaults above them). A names file that cannot be read is named, left
    // unused and never written over.
    void ReadNamesBeside();

    void SetFileChooser(NamesFileChooser chooser) { chooser_ = std::move(chooser); }
    void SetInputFiles(InputFiles inputs) { inputs_ = std::move(inputs); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormShow();
    void FormClose();
    std::vector<std::string> TypedNames() const;
    void WriteNamesBeside(const std::vector<std::string>& names);
    QStringList Inputs() const;
    QString ProposedNamesFile() const;

    StatisticsStore& store_;
    int built_ = 0;
    NamesFileChooser chooser_;
    InputFiles inputs_;
    std::string unreadable_; // the names file beside that could not be read: left alone
    std::string unwritable_; // the names file beside that could not be written, said once
};

// The one floor names dialog of the run, created at start-up after the main window.
extern TEtageDlg* EtageDlg;
