// The cover-sheet memo's size and font, and its line breaks without a widget.
#pragma once

#include <QFont>
#include <QStringList>

inline constexpr int kMemoWidth = 305;
inline constexpr int kMemoHeight = 329;
// Between the memo's outer edge and its text on either side: the frame of Qt's own style
// (1) and the text document's margin (4).
inline constexpr int kMemoTextInset = 5;

// "Arial" bold 10 pt.
QFont MemoFont();

// The lines the main window's memo displays for these paragraphs, one entry per displayed line:
// the memo's font, its text width, word wrap where an over-long word breaks anywhere.
QStringList WrapLikeMemo(const QStringList& paragraphs);
