#include "chartfx3/report/overviewpdf.h"

#include "chartfx3/paint/chartstyle.h"
#include "chartfx3/report/coverpage.h"
#include "statglob/errors.h"
#include "statglob/outputfile.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <string_view>

namespace {

// Chart pixels (1/96 inch), as every page of the report is laid out.
constexpr double kInset = 36;      // inside the printable area
constexpr double kPad = 3;         // around a cell's text
constexpr double kNotesMin = 0.22; // of the table's width, at least, for the notes
constexpr double kTextMax = 0.16;  // of the width, at most, for another text column

struct Cell {
    QString text;
    int flags;
};

struct Layout {
    std::vector<double> widths;
    double headerHeight = 0;
    std::vector<double> heights; // per row
    std::vector<std::vector<Cell>> cells;
    std::vector<std::size_t> pageStarts; // first row of each page
};

int FlagsOf(std::size_t column) {
    const int wrap = column < 2 ? Qt::TextWrapAnywhere : Qt::TextWordWrap; // paths, then words
    const int align = kOverviewColumns[column].decimals >= 0 ? Qt::AlignRight : Qt::AlignLeft;
    return wrap | align | Qt::AlignTop;
}

double Height(const QFontMetricsF& metrics, double width, const Cell& cell) {
    return metrics.boundingRect(QRectF(0, 0, width - 2 * kPad, 1e6), cell.flags, cell.text)
               .height() +
           2 * kPad;
}

Layout LayOut(const std::vector<OverviewRow>& rows, const QFont& font, const QFont& bold,
              double width, double height) {
    const QFontMetricsF metrics(font), headerMetrics(bold);
    const std::size_t columns = kOverviewColumns.size();
    Layout layout;
    std::vector<double> natural(columns, 0), least(columns, 0);
    for (std::size_t c = 0; c < columns; ++c)
        for (const QString& word : QText(kOverviewColumns[c].header).split(QLatin1Char(' ')))
            least[c] = std::max(least[c], headerMetrics.horizontalAdvance(word) + 2 * kPad);
    for (const OverviewRow& row : rows) {
        std::vector<Cell> line;
        for (std::size_t c = 0; c < columns; ++c) {
            const QString text = QText(kOverviewColumns[c].cell(row).text);
            natural[c] = std::max(natural[c], metrics.horizontalAdvance(text) + 2 * kPad);
            line.push_back({text, FlagsOf(c)});
        }
        layout.cells.push_back(std::move(line));
    }
    // Numbers keep their width; texts get theirs up to a share of the page, the notes the rest.
    const std::size_t notes = columns - 1;
    double used = 0;
    for (std::size_t c = 0; c < notes; ++c) {
        const double cap = kOverviewColumns[c].decimals >= 0 ? 1e9 : kTextMax * width;
        layout.widths.push_back(std::max(least[c], std::min(natural[c], cap)));
        used += layout.widths.back();
    }
    const double room = width * (1 - kNotesMin);
    if (used > room)
        for (double& w : layout.widths)
            w *= room / used;
    layout.widths.push_back(width - std::min(used, room));

    for (std::size_t c = 0; c < columns; ++c)
        layout.headerHeight = std::max(
            layout.headerHeight,
            Height(headerMetrics, layout.widths[c],
                   {QText(kOverviewColumns[c].header), FlagsOf(c) & ~Qt::TextWrapAnywhere}));
    double y = height; // past the page: the first row starts one
    for (std::size_t r = 0; r < layout.cells.size(); ++r) {
        double h = 0;
        for (std::size_t c = 0; c < columns; ++c)
            h = std::max(h, Height(metrics, layout.widths[c], layout.cells[r][c]));
        layout.heights.push_back(h);
        if (y + h > height && (y > layout.headerHeight || layout.pageStarts.empty())) {
            layout.pageStarts.push_back(r);
            y = layout.headerHeight;
        }
        y += h;
    }
    if (layout.pageStarts.empty())
        layout.pageStarts.push_back(0);
    return layout;
}

void DrawRow(QPainter& painter, const Layout& layout, double top, double height,
             const std::vector<Cell>& cells) {
    double x = 0;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        painter.drawText(QRectF(x + kPad, top + kPad, layout.widths[c] - 2 * kPad, height),
                         cells[c].flags, cells[c].text);
        x += layout.widths[c];
    }
}

} // namespace

void WriteOverviewPdf(const std::string& path, const std::string& title,
                      const std::vector<OverviewRow>& rows) {
    const auto failed = [&path] { throw WriteError(path, std::string()); };
    QBuffer file; // written at once: complete or untouched
    file.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kCoverResolution);
        pdf.setCreator(QStringLiteral("Gruppenstatistik"));
        pdf.setTitle(QText(title));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Point));
        const double scale = kCoverResolution / chartstyle::kChartDpi;
        const QRectF page(QPointF(kInset, kInset), QSizeF(pdf.width() / scale - 2 * kInset,
                                                          pdf.height() / scale - 2 * kInset));
        const QFont heading = chartstyle::Font(QStringLiteral("Arial"), 11, true);
        const QFont font = chartstyle::Font(QStringLiteral("Arial"), 7);
        const QFont bold = chartstyle::Font(QStringLiteral("Arial"), 7, true);
        const double titleHeight = QFontMetricsF(heading).height() * 1.6;
        const double footerHeight = QFontMetricsF(font).height() * 2;
        const Layout layout =
            LayOut(rows, font, bold, page.width(), page.height() - titleHeight - footerHeight);

        std::vector<Cell> header;
        for (std::size_t c = 0; c < kOverviewColumns.size(); ++c)
            header.push_back(
                {QText(kOverviewColumns[c].header), FlagsOf(c) & ~Qt::TextWrapAnywhere});
        QPainter painter;
        if (!painter.begin(&pdf))
            failed();
        painter.scale(scale, scale);
        const int pages = static_cast<int>(layout.pageStarts.size());
        for (int p = 0; p < pages; ++p) {
            if (p > 0 && !pdf.newPage())
                failed();
            painter.setPen(Qt::black);
            painter.setFont(heading);
            painter.drawText(QRectF(page.left(), page.top(), page.width(), titleHeight),
                             Qt::AlignLeft | Qt::AlignTop, QText(title));
            painter.setFont(font);
            painter.drawText(
                QRectF(page.left(), page.bottom() - footerHeight, page.width(), footerHeight),
                Qt::AlignHCenter | Qt::AlignBottom,
                QStringLiteral("Seite %1 von %2").arg(p + 1).arg(pages));

            painter.save();
            painter.translate(page.left(), page.top() + titleHeight);
            painter.fillRect(QRectF(0, 0, page.width(), layout.headerHeight),
                             QColor(225, 230, 240));
            painter.setFont(bold);
            DrawRow(painter, layout, 0, layout.headerHeight, header);
            painter.setFont(font);
            double y = layout.headerHeight;
            const std::size_t end = p + 1 < pages
                                        ? layout.pageStarts[static_cast<std::size_t>(p) + 1]
                                        : layout.cells.size();
            for (std::size_t r = layout.pageStarts[static_cast<std::size_t>(p)]; r < end; ++r) {
                DrawRow(painter, layout, y, layout.heights[r], layout.cells[r]);
                y += layout.heights[r];
                painter.setPen(QPen(QColor(190, 190, 190), 0));
                painter.drawLine(QPointF(0, y), QPointF(page.width(), y));
                painter.setPen(Qt::black);
            }
            painter.restore();
        }
        painter.end();
    }
    WriteFileAtomically(path, std::string_view(file.data().constData(),
                                               static_cast<std::size_t>(file.data().size())));
}
