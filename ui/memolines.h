// The cover-sheet memo's look and its lines as displayed (a wrapped line counts as several).
#pragma once

#include <QFont>
#include <QStringList>

class QPlainTextEdit;
class QTextDocument;

inline constexpr int kMemoWidth = 305;
inline constexpr int kMemoHeight = 329;

// "Arial" bold 10 pt.
QFont MemoFont();

// Gives a memo its look: the font, centred lines, word wrap (an over-long word breaks
// anywhere), no scroll bars, plain text only.
void ConfigureMemo(QPlainTextEdit& memo);

// The lines of a laid-out document as they are displayed, one entry per displayed line.
QStringList DisplayedLines(const QTextDocument& document);

// The lines a memo of the main window's size would display for these paragraphs; the same
// breaks as the main window's memo, for printing the cover sheet without it.
QStringList WrapLikeMemo(const QStringList& paragraphs);
