#include "ui/errorbox.h"

#include "statglob/errors.h"
#include "statglob/outputfile.h"
#include "statglob/qtext.h"

#include <QFileInfo>
#include <QMessageBox>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

void ShowMessageBox(const QString& text, QWidget* parent) {
    QMessageBox box(QMessageBox::Critical, QText(kAppTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

ErrorPresenter& Presenter() {
    static ErrorPresenter presenter = ShowMessageBox;
    return presenter;
}

void ShowNote(const QString& text, QWidget* parent) {
    auto* box =
        new QMessageBox(QMessageBox::Information, QText(kAppTitle), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

ErrorPresenter& NotePresenter() {
    static ErrorPresenter presenter = ShowNote;
    return presenter;
}

bool AskOverwrite(const QString& path, QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kAppTitle),
                    QStringLiteral("Die Datei \u201E%1\u201C existiert bereits.\nSoll sie "
                                   "\u00FCberschrieben werden?")
                        .arg(path),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

OverwriteQuestion& Question() {
    static OverwriteQuestion question = AskOverwrite;
    return question;
}

} // namespace

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

QString ExceptionMessage(const std::exception& e) {
    return QText(e.what());
}

void ShowErrorBox(const QString& message, QWidget* parent) {
    const ErrorPresenter& presenter = Presenter();
    (presenter ? presenter : ShowMessageBox)(ErrorBoxText(message), parent);
}

void ShowErrorBox(const std::exception& e, QWidget* parent) {
    const auto* conversion = dynamic_cast<const ConversionError*>(&e);
    if (!conversion || !conversion->located())
        return ShowErrorBox(ExceptionMessage(e), parent);
    const ErrorPresenter& presenter = Presenter();
    (presenter ? presenter : ShowMessageBox)(ExceptionMessage(e), parent);
}

bool RunHandler(const std::function<void()>& handler, QWidget* parent) {
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        ShowErrorBox(e, parent);
    } catch (...) {
        ShowErrorBox(QStringLiteral("Unbekannter Fehler"), parent);
    }
    return false;
}

ErrorPresenter SetErrorPresenter(ErrorPresenter presenter) {
    ErrorPresenter previous = std::move(Presenter());
    Presenter() = std::move(presenter);
    return previous;
}

void ShowNoteBox(const QString& message, QWidget* parent) {
    const ErrorPresenter& presenter = NotePresenter();
    (presenter ? presenter : ShowNote)(message, parent);
}

ErrorPresenter SetNotePresenter(ErrorPresenter presenter) {
    ErrorPresenter previous = std::move(NotePresenter());
    NotePresenter() = std::move(presenter);
    return previous;
}

bool MayWrite(const QString& path, const QStringList& inputs, QWidget* parent) {
    std::vector<std::string> files;
    for (const QString& input : inputs)
        files.push_back(FileNameBytes(input));
    if (const std::string why = OutputRefusal(FileNameBytes(path), files); !why.empty())
        throw std::runtime_error(why);
    if (!QFileInfo::exists(path))
        return true;
    const OverwriteQuestion& question = Question();
    return (question ? question : AskOverwrite)(path, parent);
}

OverwriteQuestion SetOverwriteQuestion(OverwriteQuestion question) {
    OverwriteQuestion previous = std::move(Question());
    Question() = std::move(question);
    return previous;
}
