// ErrorRecorder: collects the texts the error box would show, instead of a modal box.
#pragma once

#include "errorbox.h"

#include <QStringList>

class ErrorRecorder {
public:
    ErrorRecorder() {
        previous_ =
            SetErrorPresenter([this](const QString& text, QWidget* /*parent*/) { texts << text; });
    }
    ~ErrorRecorder() { SetErrorPresenter(previous_); }
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    QStringList texts;

private:
    ErrorPresenter previous_;
};
