// Chart export: the published chart as PNG, SVG or PDF file and as clipboard content, drawn
// by the same painting as the screen and the paper.
#pragma once

#include "chartfx3/chartmodel.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

class QMimeData;

enum class ChartFileFormat { Png, Svg, Pdf };

// The format a file name's suffix names ("png", "svg", "pdf", any case), if any.
std::optional<ChartFileFormat> FormatOfPath(const QString& path);
// "png", "svg" or "pdf".
QString SuffixOf(ChartFileFormat format);

// Throws std::runtime_error "Die Datei „<path>“ kann nicht geschrieben werden[: <why>]".
[[noreturn]] void ThrowCannotWrite(const QString& path, const QString& why);

// Writes `bytes` to `path` through QSaveFile: the file appears complete or not at all. Throws
// std::runtime_error "Die Datei „…“ kann nicht geschrieben werden: <reason>".
void SaveBytes(const QString& path, const QByteArray& bytes);

// Writes the chart to `path` through QSaveFile. PNG: an image of `size` pixels; SVG and PDF:
// vector drawings whose page is `size` at 96 dpi. Throws std::runtime_error as SaveBytes.
void SaveChart(const ChartModel& chart, const QString& path, ChartFileFormat format,
               const QSize& size);

// One clipboard entry: the chart as an image of `size` pixels and its figures as tab-separated
// text, so that it pastes as a picture into a text and as a table into a spreadsheet.
std::unique_ptr<QMimeData> ChartMimeData(const ChartModel& chart, const QSize& size);
