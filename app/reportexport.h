// Report export: the cover sheet and the eleven charts of a loaded file as one PDF report, as
// PNG or SVG images or as their figures in CSV, drawn as on paper and without any window.
#pragma once

#include "charts/charts.h"
#include "statglob/store.h"

#include <functional>
#include <string>
#include <vector>

// Default size of the exported images, pixels.
constexpr int kPngWidth = 1200;
constexpr int kPngHeight = 650;

// The report as a vector PDF (WriteReportPdf): page 1 the cover sheet of `cover`'s paragraphs
// (portrait, 300 dpi units as printed), page 2 the key figures, then each chart in button order
// on a landscape page with the gaps of a print. With a comparison store (`other`), the cover
// also names the comparison file, its figures follow the key figures on a page of their own and
// the charts that have a comparison show both periods. The file is written under a temporary
// name and replaces `path` only when complete. Throws std::runtime_error (German) when it cannot
// be written.
void ExportPdf(const std::string& path, StatisticsStore& store,
               const std::vector<std::string>& cover, const StatisticsStore* other = nullptr);

// Eleven PNG files "<chart id>.png" (count_hour.png, ..., RufeZeitEt.png) in `folder`, which is
// created when missing. Each file appears complete or not at all. Throws std::runtime_error.
void ExportPngs(const std::string& folder, StatisticsStore& store, int width, int height);
// The same as SVG files "<chart id>.svg", vector drawings of width x height at 96 dpi.
void ExportSvgs(const std::string& folder, StatisticsStore& store, int width, int height);

// Every chart's figures in one CSV file for German Excel, a block per chart headed by its
// title. Complete or not at all; throws std::runtime_error.
void ExportCsv(const std::string& path, StatisticsStore& store);

// The file of chart `id` in a folder of ExportPngs or ExportSvgs: "<folder>/<chart id>.<suffix>".
std::string ChartFilePath(const std::string& folder, ChartId id, const char* suffix);

// Runs `work` with the application object Qt's drawing needs. Without a platform chosen in
// QT_QPA_PLATFORM the minimal one (with the system's fonts) is used: no display is needed.
void WithQtApplication(const char* program, const std::function<void()>& work);

// The report tool's --pdf, --csv, --png and --svg. An empty path or folder: that output is not
// wanted.
struct ExportRequest {
    const char* program = nullptr;               // argv[0]
    std::vector<std::string> cover;              // the cover sheet's paragraphs
    const StatisticsStore* comparison = nullptr; // the PDF's comparison store, if any
    std::vector<std::string> inputs;             // the files read, which are never written
    std::string pdf;
    std::string csv;
    std::string png;
    std::string svg;
    int width = kPngWidth; // of the PNG and SVG images
    int height = kPngHeight;
};
// The first file of the request that must not be written (OutputRefusal: an input, or no
// regular file), as its message; empty when all may be. Checked before anything is written.
std::string RefusedOutput(const ExportRequest& request);
// Runs the request, the drawing with its Qt application: first RefusedOutput, then each output.
// Throws std::runtime_error (German) at the first output that cannot be written.
void RunExport(const ExportRequest& request, StatisticsStore& store);
