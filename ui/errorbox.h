// The error box: where every exception that escapes a handler ends up, shown to the user.
#pragma once

#include <QString>
#include <QStringList>

#include <exception>
#include <functional>

class QWidget;

// The application's title, the caption of the error box and of the main window.
inline constexpr char kAppTitle[] = "QVL Gruppenstatistik";

// The text as the box shows it: a "." is appended when the text is not empty and the code of
// its last character is above that of ".".
QString ErrorBoxText(const QString& message);

// The message of an exception, German UTF-8 as thrown.
QString ExceptionMessage(const std::exception& e);

// Shows the box modally: error icon, OK button, the application's title as caption.
void ShowErrorBox(const QString& message, QWidget* parent = nullptr);
// The same for an exception. A bad field's message already has its "." after the sentence and
// the field's place on a second line, which takes none.
void ShowErrorBox(const std::exception& e, QWidget* parent = nullptr);

// Runs a handler; an exception that escapes it goes into the error box and the caller goes on.
// Returns false when the handler ended with an exception.
bool RunHandler(const std::function<void()>& handler, QWidget* parent = nullptr);

// Wraps a handler for connecting it to a signal: connect(btn, &QToolButton::clicked, this,
// Guarded(this, [this] { OpenBtnClick(); })).
inline auto Guarded(QWidget* parent, std::function<void()> handler) {
    return [parent, handler = std::move(handler)] { RunHandler(handler, parent); };
}

// Who shows the box; tests put a recorder here instead of a modal box. Receives the final
// text (after ErrorBoxText). Returns the one in force before.
using ErrorPresenter = std::function<void(const QString& text, QWidget* parent)>;
ErrorPresenter SetErrorPresenter(ErrorPresenter presenter);

// A short note after something went well ("Bericht gespeichert: …"): a box with the
// information icon, OK and the application's title, shown without waiting. Tests record notes
// through SetNotePresenter, which returns the presenter in force before.
void ShowNoteBox(const QString& message, QWidget* parent = nullptr);
ErrorPresenter SetNotePresenter(ErrorPresenter presenter);

// The save dialogs' rule for the path chosen, before anything is written: a path that names
// one of `inputs` (the statistics and the comparison file) or no regular file is refused with a
// WriteError naming it; an existing file is replaced only when the user says so. The dialogs
// themselves ask nothing, so that the question comes after the refusal and names the file
// that is really written (with its suffix). False: the user keeps the file.
bool MayWrite(const QString& path, const QStringList& inputs, QWidget* parent = nullptr);

// Who answers "Die Datei „…“ existiert bereits. Soll sie überschrieben werden?" (Ja/Nein);
// tests put a recorder here instead of a modal box. Returns the one in force before.
using OverwriteQuestion = std::function<bool(const QString& path, QWidget* parent)>;
OverwriteQuestion SetOverwriteQuestion(OverwriteQuestion question);
