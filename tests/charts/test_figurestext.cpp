// A chart's figures as tables: what a spreadsheet reads back from the text and the CSV.
#include "charts/figurestext.h"
#include "charts/keyfigurerow.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Reads a table as a spreadsheet does: quoted fields may hold anything, "" is a quote.
Rows ReadTable(const std::string& text, char separator) {
    Rows rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& field = rows.back().back();
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"')
            field += text[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == separator)
            rows.back().emplace_back();
        else if (!quoted && c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i, rows.emplace_back(1);
        else
            field += c;
    }
    rows.pop_back(); // after the last line end
    return rows;
}

ChartModel Example() {
    ChartModel m;
    m.titles = {"Anzahl", "", "Wartezeit \"mittel\"; Außenrufe", "Etage"};
    m.categories = {"KG", "EG", " 1. OG"};
    m.series = {{"Ab", {10, 5, 1234567}}, {"Auf; Süd", {11.5, 12, -3}}};
    return m;
}

// Floor names and texts a spreadsheet would evaluate, beside basements and negative values.
ChartModel Formulas() {
    ChartModel m;
    m.titles = {"", "", "@Titel", "+Etage"};
    m.categories = {"=1+1", "+1+1", "-1+1", "@SUM(1)", "\tTab", "\rCR",
                    "-1",   "-2",   "+3",   "2,5",     "-"};
    m.series = {{"-Ab", std::vector<double>(11, -4)}};
    return m;
}

// Key figures of a comparison: a row with its change, a note across the line.
KeyFigureTable Compared() {
    return {"Vergleich: a.csv mit b.csv",
            ComparisonColumns("01.11.–07.11.", "04.10.–10.10."),
            {{"Wartezeit", "alle", "13,8 s", "15,4 s", "-1,6 s", "-10,5 %", kBetter},
             {"Wartezeit", "Ab-Rufe", "=2", "–"},
             {"Bewertung", "Hinweis", "nur Spitzenverkehr"}}};
}

} // namespace

TEST(ChartTable, SpreadsheetsReadTheFiguresBack) {
    ChartModel decimals = Example();
    decimals.decimals = 1;
    const Rows whole = {{"Etage", "Ab", "Auf; Süd"},
                        {"KG", "10", "12"},
                        {"EG", "5", "12"},
                        {" 1. OG", "1234567", "-3"}};
    const Rows oneDecimal = {{"Etage", "Ab", "Auf; Süd"},
                             {"KG", "10,0", "11,5"},
                             {"EG", "5,0", "12,0"},
                             {" 1. OG", "1234567,0", "-3,0"}};
    // A text cell that would be a formula is text by its apostrophe; numbers stay numbers.
    const Rows formulas = {{"'+Etage", "'-Ab"}, {"'=1+1", "-4"},  {"'+1+1", "-4"}, {"'-1+1", "-4"},
                           {"'@SUM(1)", "-4"},  {"'\tTab", "-4"}, {"'\rCR", "-4"}, {"-1", "-4"},
                           {"-2", "-4"},        {"+3", "-4"},     {"2,5", "-4"},   {"'-", "-4"}};
    const struct {
        std::string text;
        char separator;
        Rows rows;
    } cases[] = {
        {FiguresText(Example()), '\t', whole},
        {FiguresCsv(Example()).substr(3), ';', whole},
        {FiguresCsv(decimals).substr(3), ';', oneDecimal},
        {FiguresText(Formulas()), '\t', formulas}, // the clipboard
        {FiguresCsv(Formulas()).substr(3), ';', formulas},
        // The key figures: title, headings, each section on a line of its own, a cell per
        // column in both modes.
        {KeyFigureTsv(Compared()),
         '\t',
         {{"Vergleich: a.csv mit b.csv"},
          {"Kennzahl", "01.11.–07.11.", "Vergleich 04.10.–10.10.", "Änderung", "Änderung in %",
           "Bewertung"},
          {"Wartezeit"},
          {"alle", "13,8 s", "15,4 s", "'-1,6 s", "'-10,5 %", "besser"},
          {"Ab-Rufe", "'=2", "–", "", "", ""},
          {"Bewertung"},
          {"Hinweis", "nur Spitzenverkehr", "", "", "", ""}}},
        {KeyFigureTsv(
             {"Kennzahlen: a.csv", KeyFigureColumns(), {{"Zeitraum", "Dauer", "7,0 Tage"}}}),
         '\t',
         {{"Kennzahlen: a.csv"}, {"Kennzahl", "Wert"}, {"Zeitraum"}, {"Dauer", "7,0 Tage"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadTable(c.text, c.separator), c.rows) << c.text;
    // The report's file: one byte-order mark, then a block per chart headed by its title.
    const std::string both = FiguresCsv(std::vector<ChartModel>{Example(), decimals});
    ASSERT_EQ(both.substr(0, 3), "\xEF\xBB\xBF");
    Rows blocks = {{"Wartezeit \"mittel\"; Außenrufe"}};
    blocks.insert(blocks.end(), whole.begin(), whole.end());
    blocks.push_back({""});
    blocks.push_back(blocks.front());
    blocks.insert(blocks.end(), oneDecimal.begin(), oneDecimal.end());
    EXPECT_EQ(ReadTable(both.substr(3), ';'), blocks);
    EXPECT_EQ(FiguresCsv(std::vector<ChartModel>{Formulas()}).substr(3, 9), "'@Titel\r\n");
}
