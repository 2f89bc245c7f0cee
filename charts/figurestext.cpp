#include "charts/figurestext.h"

#include "charts/format.h"
#include "statglob/text.h"

#include <algorithm>

namespace {

constexpr char kLineEnd[] = "\r\n";

void AppendField(std::string& out, const std::string& field, char separator) {
    const bool quoted =
        field.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string::npos ||
        (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quoted) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// "-1", "+2", "-3,5": what a spreadsheet reads as a number, and so no formula.
bool PlainNumber(const std::string& text) {
    std::size_t i = text.front() == '+' || text.front() == '-' ? 1 : 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i > from;
    };
    if (!digits())
        return false;
    if (i < text.size() && (text[i] == ',' || text[i] == '.') && (++i, !digits()))
        return false;
    return i == text.size();
}

void AppendRow(std::string& out, const std::vector<std::string>& fields, char separator) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += separator;
        AppendField(out, fields[i], separator);
    }
    out += kLineEnd;
}

} // namespace

// A text cell (title, legend, floor name) that a spreadsheet would evaluate as a formula gets
// a leading apostrophe, which makes it text there: one that starts with "=", "@", a tab or a
// CR, or with "+" or "-" and is no plain number. A floor named "-1" stays as it is.
std::string TextCell(const std::string& text) {
    if (text.empty())
        return text;
    const char c = text.front();
    const bool formula = c == '=' || c == '@' || c == '\t' || c == '\r' ||
                         ((c == '+' || c == '-') && !PlainNumber(text));
    return formula ? "'" + text : text;
}

std::string TableRow(const std::vector<std::string>& fields, char separator) {
    std::string out;
    AppendRow(out, fields, separator);
    return out;
}

std::string FiguresTable(const ChartModel& chart, char separator) {
    std::string out;
    std::vector<std::string> row{TextCell(chart.categoryAxisTitle())};
    std::size_t rows = chart.categories.size();
    for (const ChartSeries& s : chart.series) {
        row.push_back(TextCell(s.legend));
        rows = std::max(rows, s.values.size());
    }
    AppendRow(out, row, separator);
    for (std::size_t i = 0; i < rows; ++i) {
        row.assign(1, i < chart.categories.size() ? TextCell(chart.categories[i]) : std::string());
        for (const ChartSeries& s : chart.series)
            row.push_back(i < s.values.size() ? FormatDecimal(s.values[i], chart.decimals)
                                              : std::string());
        AppendRow(out, row, separator);
    }
    return out;
}

std::string FiguresText(const ChartModel& chart) {
    return FiguresTable(chart, '\t');
}

std::string FiguresCsv(const ChartModel& chart) {
    return kUtf8Bom + FiguresTable(chart, ';');
}

std::string FiguresCsv(const std::vector<ChartModel>& charts) {
    std::string out = kUtf8Bom;
    for (std::size_t i = 0; i < charts.size(); ++i) {
        if (i > 0)
            out += kLineEnd;
        AppendRow(out, {TextCell(charts[i].heading())}, ';');
        out += FiguresTable(charts[i], ';');
    }
    return out;
}
