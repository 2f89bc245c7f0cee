// Chart export: the published chart as PNG, SVG or PDF file and as clipboard content, drawn
// by the same painting as the screen and the paper.
#pragma once

#include "chartfx3/chartmodel.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>
#include <string>

class QMimeData;

enum class ChartFileFormat { Png, Svg, Pdf };

// The format a file name's suffix names ("png", "svg", "pdf", any case), if any.
std::optional<ChartFileFormat> FormatOfPath(const QString& path);
// "png", "svg" or "pdf".
QString SuffixOf(ChartFileFormat format);

// Throws WriteError "Die Datei „<path>“ kann nicht geschrieben werden[: <why>]".
[[noreturn]] void ThrowCannotWrite(const QString& path, const QString& why);

// Writes `bytes` to `path` (WriteFileAtomically): the file appears complete or not at all.
// Throws WriteError "Die Datei „…“ kann nicht geschrieben werden: <reason>".
void SaveBytes(const QString& path, const QByteArray& bytes);

// The chart laid out at `size` (96 dpi) as the bytes of a file. PNG: an image of `size` x `scale`
// pixels, its text and lines `scale` times as large (ChartImage); SVG and PDF: vector drawings
// whose page is `size`. Empty when the drawing failed.
QByteArray ChartFileBytes(const ChartModel& chart, ChartFileFormat format, const QSize& size,
                          double scale = 1);

// Writes ChartFileBytes to `path` as SaveBytes does.
void SaveChart(const ChartModel& chart, const QString& path, ChartFileFormat format,
               const QSize& size, double scale = 1);

// One clipboard entry: the chart laid out at `size` as an image of `size` x `scale` pixels and
// its figures as tab-separated text, so that it pastes as a picture into a text and as a table
// into a spreadsheet.
std::unique_ptr<QMimeData> ChartMimeData(const ChartModel& chart, const QSize& size,
                                         double scale = 1);
