#include "chartfx3/report/coverpage.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

QImage LogoBitmap() {
    return QImage(QString::fromLatin1(kLogoResource));
}

void PaintCoverSheet(QPainter& painter, const QImage& logo, const QStringList& lines) {
    painter.save();
    // Without this hint a PDF stores the picture as JPEG, lossy, and loads the image plugins
    // to find a JPEG writer.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    // One device unit per bitmap pixel, whatever the image claims about its own density.
    QImage bitmap = logo;
    bitmap.setDevicePixelRatio(1.0);
    painter.drawImage(QPoint(kCoverLeft, kCoverLogoTop), bitmap);

    QFont font(QStringLiteral("Arial"));
    font.setPointSize(kCoverPointSize);
    // At 300 dpi hinting changes nothing visible, and unhinted glyphs skip FreeType's bytecode
    // interpreter (a tenth of writing the report PDF).
    font.setHintingPreference(QFont::PreferNoHinting);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int ascent = QFontMetrics(font, painter.device()).ascent();
    for (int i = 0; i < kCoverLineCount && i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        painter.drawText(QPoint(kCoverLeft, kCoverTextTop + kCoverLinePitch * i + ascent),
                         lines[i]);
    }
    painter.restore();
}
