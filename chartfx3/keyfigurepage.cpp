#include "keyfigurepage.h"

#include "chartstyle.h"

#include <QFont>
#include <QPainter>
#include <QRectF>

#include <functional>

namespace {

constexpr double kTitlePt = 16;
constexpr double kTextPt = 10;
constexpr double kLabelShare = 0.42; // of the width, for the label column

QFont Font(double pt, double dpi, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qMax(1, qRound(pt * dpi / 72)));
    font.setBold(bold);
    // As on the cover page: at print resolutions hinting shows nothing and costs FreeType's
    // bytecode interpreter.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Lays the page out from the top of `area`; draws only when `draw` is set. Returns the height.
double Layout(QPainter& painter, const QRectF& area, double dpi, const QString& title,
              const std::vector<KeyFigureRow>& rows, bool draw) {
    const double pad = kTextPt * dpi / 72 * 0.35;
    const double labelWidth = area.width() * kLabelShare;
    const QFont titleFont = Font(kTitlePt, dpi, true);
    const QFont headFont = Font(kTextPt, dpi, true);
    const QFont textFont = Font(kTextPt, dpi, false);
    const int wrap = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    double y = area.top();

    painter.setFont(titleFont);
    const QRectF titleBox =
        painter.boundingRect(QRectF(area.left(), y, area.width(), 1e6), wrap, title);
    if (draw)
        painter.drawText(titleBox, wrap, title);
    y += titleBox.height() + 2 * pad;

    const std::string* section = nullptr;
    for (const KeyFigureRow& row : rows) {
        if (!section || *section != row.section) {
            section = &row.section;
            painter.setFont(headFont);
            const QRectF text = painter.boundingRect(
                QRectF(area.left() + pad, y + pad, area.width() - 2 * pad, 1e6), wrap,
                chartstyle::Text(row.section));
            const QRectF band(area.left(), y + pad, area.width(), text.height() + 2 * pad);
            if (draw) {
                painter.fillRect(band, QColor(225, 230, 240));
                painter.drawText(text.translated(0, pad), wrap, chartstyle::Text(row.section));
            }
            y = band.bottom();
        }
        painter.setFont(textFont);
        const QRectF label =
            painter.boundingRect(QRectF(area.left() + pad, y + pad, labelWidth - 2 * pad, 1e6),
                                 wrap, chartstyle::Text(row.label));
        const QRectF value = painter.boundingRect(
            QRectF(area.left() + labelWidth, y + pad, area.width() - labelWidth - pad, 1e6), wrap,
            chartstyle::Text(row.value));
        const double bottom = std::max(label.bottom(), value.bottom()) + pad;
        if (draw) {
            painter.drawText(label, wrap, chartstyle::Text(row.label));
            painter.drawText(value, wrap, chartstyle::Text(row.value));
            painter.setPen(QPen(QColor(190, 190, 190), 0));
            painter.drawLine(QPointF(area.left(), bottom), QPointF(area.right(), bottom));
            painter.setPen(Qt::black);
        }
        y = bottom;
    }
    return y - area.top();
}

} // namespace

void PaintKeyFigurePage(QPainter& painter, const QRectF& target, double dpi, const QString& title,
                        const std::vector<KeyFigureRow>& rows) {
    painter.save();
    painter.setPen(Qt::black);
    const double height = Layout(painter, target, dpi, title, rows, false);
    if (height > target.height() && height > 0) {
        // Too tall: the same layout on a larger area, scaled down into the target.
        const double factor = target.height() / height;
        painter.translate(target.topLeft());
        painter.scale(factor, factor);
        const QRectF wider(0, 0, target.width() / factor, target.height() / factor);
        Layout(painter, wider, dpi, title, rows, true);
    } else {
        Layout(painter, target, dpi, title, rows, true);
    }
    painter.restore();
}
