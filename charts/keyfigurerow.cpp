#include "charts/keyfigurerow.h"

#include "charts/figurestext.h"

std::vector<std::string> KeyFigureTable::Cells(const KeyFigureRow& row) const {
    if (!comparison())
        return {row.label, row.value};
    return {row.label, row.value, row.other, row.change, row.changePercent, row.assessment};
}

std::vector<std::string> KeyFigureColumns() {
    return {"Kennzahl", "Wert"};
}

std::vector<std::string> ComparisonColumns(const std::string& period,
                                           const std::string& otherPeriod) {
    return {"Kennzahl", period,          "Vergleich " + otherPeriod,
            "Änderung", "Änderung in %", "Bewertung"};
}

std::string KeyFigureText(const std::vector<KeyFigureRow>& rows) {
    std::string out;
    const std::string* section = nullptr;
    for (const KeyFigureRow& row : rows) {
        if (!section || *section != row.section) {
            out += (section ? "\n" : "") + row.section + "\n";
            section = &row.section;
        }
        out += "  " + row.label + ": " + row.value;
        if (!row.other.empty())
            out += "; Vergleich " + row.other;
        if (!row.change.empty())
            out += "; Änderung " + row.change +
                   (row.changePercent.empty() ? "" : " (" + row.changePercent + ")");
        if (!row.assessment.empty())
            out += ", " + row.assessment;
        out += "\n";
    }
    return out;
}

std::string KeyFigureTsv(const KeyFigureTable& table) {
    std::vector<std::vector<std::string>> lines = {{table.title}, table.columns};
    const std::string* section = nullptr;
    for (const KeyFigureRow& row : table.rows) {
        if (!section || *section != row.section) {
            section = &row.section;
            lines.push_back({row.section});
        }
        lines.push_back(table.Cells(row));
    }
    return TextTable(lines, '\t');
}
