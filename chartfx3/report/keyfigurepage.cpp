#include "chartfx3/report/keyfigurepage.h"

#include "chartfx3/paint/chartstyle.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>

#include <vector>

namespace {

// Shares of the width: label and value; or label, the two periods, change, change in %,
// assessment.
const std::vector<double> kFileColumns = {0.42, 0.58};
const std::vector<double> kComparisonColumns = {0.27, 0.18, 0.18, 0.15, 0.11, 0.11};
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
    QColor colour = Qt::black;
};

// The page laid out from the top of `area`, measured once and drawn from these boxes.
struct Table {
    std::vector<Text> texts;
    std::vector<QRectF> bands; // shaded section headings
    std::vector<double> rules; // lines under the rows
    double height = 0;
};

Table LayOut(const QRectF& area, const KeyFigureTable& figures, const QFont& titleFont,
             const QFont& sectionFont, const QFont& textFont) {
    const QFontMetricsF titleMetrics(titleFont);
    const QFontMetricsF sectionMetrics(sectionFont);
    const QFontMetricsF textMetrics(textFont);
    const double pad = textMetrics.height() * 0.3;
    std::vector<double> lefts; // of each column, and the right end
    double x = area.left();
    for (double share : figures.comparison() ? kComparisonColumns : kFileColumns) {
        lefts.push_back(x);
        x += share * area.width();
    }
    lefts.push_back(area.right());
    auto measure = [](const QFontMetricsF& metrics, double left, double top, double width,
                      const QString& text) {
        return metrics.boundingRect(QRectF(left, top, width, 1e6), kWrap, text);
    };
    Table table;
    double y = area.top();
    const QString title = QText(figures.title);
    const QRectF titleBox = measure(titleMetrics, area.left(), y, area.width(), title);
    table.texts.push_back({titleBox, &titleFont, title});
    y += titleBox.height() + 2 * pad;

    // One line of cells from column 0; the last cell reaches to the right end.
    const auto line = [&](const std::vector<std::string>& cells, const QFont& font,
                          const QColor& last) {
        const QFontMetricsF metrics(font);
        double bottom = y;
        for (std::size_t i = 0; i < cells.size() && i + 1 < lefts.size(); ++i) {
            const QString text = QText(cells[i]);
            const double right = i + 1 == cells.size() ? lefts.back() : lefts[i + 1];
            const QRectF box =
                measure(metrics, lefts[i] + pad, y + pad, right - lefts[i] - 2 * pad, text);
            table.texts.push_back({box, &font, text, i + 1 == cells.size() ? last : Qt::black});
            bottom = std::max(bottom, box.bottom());
        }
        y = bottom + pad;
        table.rules.push_back(y);
    };
    if (figures.comparison())
        line(figures.columns, sectionFont, Qt::black);

    const std::string* section = nullptr;
    for (const KeyFigureRow& row : figures.rows) {
        if (!section || *section != row.section) {
            section = &row.section;
            const QString text = QText(row.section);
            const QRectF box = measure(sectionMetrics, area.left() + pad, y + 2 * pad,
                                       area.width() - 2 * pad, text);
            table.bands.emplace_back(area.left(), y + pad, area.width(), box.height() + 2 * pad);
            table.texts.push_back({box, &sectionFont, text});
            y = table.bands.back().bottom();
        }
        // A note's value, like a file's, runs to the right end.
        std::vector<std::string> cells = figures.Cells(row);
        if (row.note())
            cells.resize(2);
        line(cells, textFont, chartstyle::AssessmentColor(row.assessment));
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
    const QFont* font = nullptr;
    for (const Text& t : table.texts) {
        if (t.font != font)
            painter.setFont(*(font = t.font));
        painter.setPen(t.colour);
        painter.drawText(t.box, kWrap, t.text);
    }
}

} // namespace

void PaintKeyFigurePage(QPainter& painter, const QRectF& target, double dpi,
                        const KeyFigureTable& figures) {
    const QFont titleFont = TitleFont();
    const QFont sectionFont = SectionFont();
    const QFont textFont = TextFont();
    const double scale = dpi / chartstyle::kChartDpi;
    QRectF area(QPointF(0, 0), target.size() / scale);
    Table table = LayOut(area, figures, titleFont, sectionFont, textFont);
    if (table.height > area.height() && table.height > 0) {
        // Too tall: the same table on a larger area, scaled down into the target.
        const double factor = area.height() / table.height;
        area = QRectF(0, 0, area.width() / factor, area.height() / factor);
        table = LayOut(area, figures, titleFont, sectionFont, textFont);
    }
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / area.width(), target.width() / area.width());
    Draw(painter, table, area);
    painter.restore();
}
