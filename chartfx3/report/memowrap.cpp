#include "chartfx3/report/memowrap.h"

#include <QTextLayout>
#include <QTextOption>

QFont MemoFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

QStringList WrapLikeMemo(const QStringList& paragraphs, int textWidth) {
    // The memo lays each paragraph out with QTextLayout at its text width; the same here.
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setAlignment(Qt::AlignHCenter);
    const QFont font = MemoFont();
    const qreal width = textWidth;
    QStringList lines;
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        if (layout.lineCount() == 0)
            lines << paragraph;
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            lines << paragraph.mid(line.textStart(), line.textLength());
        }
    }
    return lines;
}
