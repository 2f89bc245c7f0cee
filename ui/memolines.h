// The cover-sheet memo's look and its lines as displayed (a wrapped line counts as several).
#pragma once

#include "memowrap.h"

#include <QStringList>

class QPlainTextEdit;
class QTextDocument;

// Gives a memo its look: the font, centred lines, word wrap (an over-long word breaks
// anywhere), no scroll bars, plain text only.
void ConfigureMemo(QPlainTextEdit& memo);

// The lines of a laid-out document as they are displayed, one entry per displayed line.
QStringList DisplayedLines(const QTextDocument& document);
