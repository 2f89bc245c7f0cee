// Tables of texts for the clipboard and for spreadsheets: a chart's figures, and any rows.
#pragma once

#include "chartfx3/chartmodel.h"

#include <string>
#include <vector>

// The figures with the categories down and the series across: a header row (the category-axis
// title, then the series legends), then one row per category (its legend, then each series'
// value). Values carry the chart's decimals with a decimal comma and no thousands separators.
// A field holding the separator, a quote, a line end or outer blanks is quoted ("..." with
// doubled quotes), which both German Excel and the clipboard's table readers understand.
// A text that a spreadsheet would take for a formula ("=1+1", "+A1", "@SUM(1)") is written
// with a leading apostrophe; numbers, and floors named "-1" or "-2", stay as they are.
// Lines end in CR LF; texts stay UTF-8.
std::string FiguresTable(const ChartModel& chart, char separator);

// Rows of text cells with FiguresTable's quoting, formula rule and line ends.
std::string TextTable(const std::vector<std::vector<std::string>>& rows, char separator);

// The figures as tab-separated text: what a spreadsheet takes from the clipboard.
std::string FiguresText(const ChartModel& chart);

// A CSV file for German Excel: UTF-8 with a byte-order mark, ";" between fields.
std::string FiguresCsv(const ChartModel& chart);

// Several charts in one CSV file: a block per chart, headed by a row with its title and
// separated from the next one by an empty line.
std::string FiguresCsv(const std::vector<ChartModel>& charts);
