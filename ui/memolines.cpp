#include "ui/memolines.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

void ConfigureMemo(QPlainTextEdit& memo) {
    memo.setFont(MemoFont());
    memo.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    memo.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTextOption option = memo.document()->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    memo.document()->setDefaultTextOption(option);
    memo.resize(kMemoWidth, kMemoHeight);
    // Tab moves on to the next control: a tab character would go to the print and the PDF.
    memo.setTabChangesFocus(true);
}

QStringList DisplayedLines(const QTextDocument& document) {
    QStringList lines;
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        layout->blockBoundingRect(block); // lays the block out if it is not yet
        const QTextLayout* text = block.layout();
        const QString paragraph = block.text();
        if (!text || text->lineCount() == 0) {
            lines << paragraph;
            continue;
        }
        for (int i = 0; i < text->lineCount(); ++i) {
            const QTextLine line = text->lineAt(i);
            lines << paragraph.mid(line.textStart(), line.textLength());
        }
    }
    return lines;
}
