#include "chartfx3/report/keyfigurepage.h"

#include "chartfx3/paint/chartstyle.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>

namespace {

constexpr double kLabelShare = 0.42; // of the width, for the label column
constexpr int kWrap = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

// In chart pixels with the charts' fonts (title, axis titles, legends): a report then loads no
// font sizes for this page alone, each of which costs as much as drawing a chart.
QFont TitleFont() {
    return chartstyle::HeadingFont();
}
QFont SectionFont() {
    return chartstyle::AxisTitleFont();
}
QFont TextFont() {
    return chartstyle::LegendFont();
}

struct Text {
    QRectF box;
    const QFont* font;
    QString text;
};

// The page laid out from the top of `area`, measured once and drawn from these boxes.
struct Table {
    std::vector<Text> texts;
    std::vector<QRectF> bands; // shaded section headings
    std::vector<double> rules; // lines under the rows
    double height = 0;
};

Table LayOut(const QRectF& area, const QString& title, const std::vector<KeyFigureRow>& rows,
             const QFont& titleFont, const QFont& sectionFont, const QFont& textFont) {
    const QFontMetricsF titleMetrics(titleFont);
    const QFontMetricsF sectionMetrics(sectionFont);
    const QFontMetricsF textMetrics(textFont);
    const double pad = textMetrics.height() * 0.3;
    const double labelWidth = area.width() * kLabelShare;
    auto measure = [](const QFontMetricsF& metrics, double left, double top, double width,
                      const QString& text) {
        return metrics.boundingRect(QRectF(left, top, width, 1e6), kWrap, text);
    };
    Table table;
    double y = area.top();
    const QRectF titleBox = measure(titleMetrics, area.left(), y, area.width(), title);
    table.texts.push_back({titleBox, &titleFont, title});
    y += titleBox.height() + 2 * pad;

    const std::string* section = nullptr;
    for (const KeyFigureRow& row : rows) {
        if (!section || *section != row.section) {
            section = &row.section;
            const QString text = QText(row.section);
            const QRectF box = measure(sectionMetrics, area.left() + pad, y + 2 * pad,
                                       area.width() - 2 * pad, text);
            table.bands.emplace_back(area.left(), y + pad, area.width(), box.height() + 2 * pad);
            table.texts.push_back({box, &sectionFont, text});
            y = table.bands.back().bottom();
        }
        const QString label = QText(row.label);
        const QString value = QText(row.value);
        const QRectF labelBox =
            measure(textMetrics, area.left() + pad, y + pad, labelWidth - 2 * pad, label);
        const QRectF valueBox = measure(textMetrics, area.left() + labelWidth, y + pad,
                                        area.width() - labelWidth - pad, value);
        table.texts.push_back({labelBox, &textFont, label});
        table.texts.push_back({valueBox, &textFont, value});
        y = std::max(labelBox.bottom(), valueBox.bottom()) + pad;
        table.rules.push_back(y);
    }
    table.height = y - area.top();
    return table;
}

void Draw(QPainter& painter, const Table& table, const QRectF& area) {
    for (const QRectF& band : table.bands)
        painter.fillRect(band, QColor(225, 230, 240));
    painter.setPen(QPen(QColor(190, 190, 190), 0));
    for (double y : table.rules)
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    painter.setPen(Qt::black);
    const QFont* font = nullptr;
    for (const Text& t : table.texts) {
        if (t.font != font)
            painter.setFont(*(font = t.font));
        painter.drawText(t.box, kWrap, t.text);
    }
}

} // namespace

void PaintKeyFigurePage(QPainter& painter, const QRectF& target, double dpi, const QString& title,
                        const std::vector<KeyFigureRow>& rows) {
    const QFont titleFont = TitleFont();
    const QFont sectionFont = SectionFont();
    const QFont textFont = TextFont();
    const double scale = dpi / chartstyle::kChartDpi;
    QRectF area(QPointF(0, 0), target.size() / scale);
    Table table = LayOut(area, title, rows, titleFont, sectionFont, textFont);
    if (table.height > area.height() && table.height > 0) {
        // Too tall: the same table on a larger area, scaled down into the target.
        const double factor = area.height() / table.height;
        area = QRectF(0, 0, area.width() / factor, area.height() / factor);
        table = LayOut(area, title, rows, titleFont, sectionFont, textFont);
    }
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / area.width(), target.width() / area.width());
    Draw(painter, table, area);
    painter.restore();
}
