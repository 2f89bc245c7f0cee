// The cover-sheet memo's font, and its line breaks without a widget.
#pragma once

#include <QFont>
#include <QStringList>

// "Arial" bold 10 pt.
QFont MemoFont();

// The lines a memo of `textWidth` pixels displays for these paragraphs, one entry per displayed
// line: the memo's font, word wrap where an over-long word breaks anywhere.
QStringList WrapLikeMemo(const QStringList& paragraphs, int textWidth);
