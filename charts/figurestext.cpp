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

void AppendRow(std::string& out, const std::vector<std::string>& fields, char separator) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += separator;
        AppendField(out, TextCell(fields[i]), separator);
    }
    out += kLineEnd;
}

} // namespace

std::string TextTable(const std::vector<std::vector<std::string>>& rows, char separator) {
    std::string out;
    for (const std::vector<std::string>& row : rows)
        AppendRow(out, row, separator);
    return out;
}

std::string FiguresTable(const ChartModel& chart, char separator) {
    // Numbers pass the formula rule unchanged: "-3" and "-3,5" are plain numbers.
    std::vector<std::vector<std::string>> rows(1, {chart.categoryAxisTitle()});
    std::size_t points = chart.categories.size();
    for (const ChartSeries& s : chart.series) {
        rows[0].push_back(s.legend);
        points = std::max(points, s.values.size());
    }
    for (std::size_t i = 0; i < points; ++i) {
        rows.push_back({i < chart.categories.size() ? chart.categories[i] : std::string()});
        for (const ChartSeries& s : chart.series)
            rows.back().push_back(i < s.values.size() ? FormatDecimal(s.values[i], chart.decimals)
                                                      : std::string());
    }
    return TextTable(rows, separator);
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
        AppendRow(out, {charts[i].heading()}, ';');
        out += FiguresTable(charts[i], ';');
    }
    return out;
}
