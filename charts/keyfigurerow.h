// KeyFigureRow, KeyFigureTable: the key figures as a table of texts, one model for the window,
// the paper, the text output and the clipboard.
#pragma once

#include <string>
#include <vector>

// The assessment of a change, as the table writes it.
inline constexpr char kBetter[] = "besser";
inline constexpr char kWorse[] = "schlechter";

// One line. A file's figure alone has a value; beside a comparison it also has the
// comparison's value, the change (absolute and in %) and its assessment. A row of a comparison
// whose comparison cells are all empty is a note: its value stands for the whole line.
struct KeyFigureRow {
    std::string section; // heading of the group the row belongs to
    std::string label;
    std::string value;
    std::string other{};         // the comparison's value, "–" where it has none
    std::string change{};        // "-1,6 s", "+2,0 Prozentpunkte"; empty when not comparable
    std::string changePercent{}; // "-10,5 %", of the comparison's value
    std::string assessment{};    // kBetter, kWorse or empty

    bool note() const {
        return other.empty() && change.empty() && changePercent.empty() && assessment.empty();
    }
    bool operator==(const KeyFigureRow& o) const {
        return section == o.section && label == o.label && value == o.value && other == o.other &&
               change == o.change && changePercent == o.changePercent && assessment == o.assessment;
    }
};

struct KeyFigureTable {
    std::string title;                // heads the window's print and the report page
    std::vector<std::string> columns; // headings: two for a file, six beside a comparison
    std::vector<KeyFigureRow> rows;

    bool comparison() const { return columns.size() > 2; }
    // The row's cells under the columns: label and value, or all six.
    std::vector<std::string> Cells(const KeyFigureRow& row) const;
};

// The headings of a file's table.
std::vector<std::string> KeyFigureColumns();
// The headings beside a comparison: the figure, the two periods as named, the change, the change
// in % and the assessment.
std::vector<std::string> ComparisonColumns(const std::string& period,
                                           const std::string& otherPeriod);

// The rows as plain text: each section heading on its own line, then "  label: value"; beside
// a comparison followed by "; Vergleich <other>; Änderung <change> (<percent>), <assessment>"
// as far as the row has them.
std::string KeyFigureText(const std::vector<KeyFigureRow>& rows);
// The table as tab-separated text for a spreadsheet: the title, the headings, then each
// section's name on a line of its own followed by its rows, a cell per column. Texts that a
// spreadsheet would take for a formula ("-1,6 s") stay texts (TextTable).
std::string KeyFigureTsv(const KeyFigureTable& table);
