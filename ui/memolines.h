// The cover-sheet memo's look and its lines as displayed (a wrapped line counts as several).
#pragma once

#include "chartfx3/report/memowrap.h"

#include <QStringList>

// The memo's size on the main window; the report's cover breaks its lines at the text width.
inline constexpr int kMemoWidth = 305;
inline constexpr int kMemoHeight = 329;
// Between the memo's outer edge and its text on either side: the frame of Qt's own style (1)
// and the text document's margin (4).
inline constexpr int kMemoTextInset = 5;
inline constexpr int kMemoTextWidth = kMemoWidth - 2 * kMemoTextInset;

class QPlainTextEdit;
class QTextDocument;

// Gives a memo its look: the font, centred lines, word wrap (an over-long word breaks
// anywhere), no scroll bars, plain text only, Tab leaving it.
void ConfigureMemo(QPlainTextEdit& memo);

// The lines of a laid-out document as they are displayed, one entry per displayed line.
QStringList DisplayedLines(const QTextDocument& document);
