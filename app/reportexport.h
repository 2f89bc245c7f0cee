// Report export: the cover sheet and the eleven charts of a loaded file as one PDF report or
// as PNG images, drawn as on paper and without any window.
#pragma once

#include "reportpdf.h"
#include "store.h"

#include <functional>
#include <string>

// Default size of the exported images, pixels.
constexpr int kPngWidth = 1200;
constexpr int kPngHeight = 650;

// The report of a loaded file: the cover sheet's paragraphs, the key figures and the eleven
// charts.
ReportContent BuildReportContent(StatisticsStore& store);

// The report as a vector PDF (WriteReportPdf): page 1 the cover sheet (portrait, 300 dpi units as
// printed), page 2 the key figures, then each chart in button order on a landscape page with the
// gaps of a print. The file is written under a temporary name and replaces `path` only when
// complete. Throws std::runtime_error (German) when it cannot be written.
void ExportPdf(const std::string& path, StatisticsStore& store);

// Eleven PNG files "<chart id>.png" (count_hour.png, ..., RufeZeitEt.png) in `folder`, which is
// created when missing. Each file appears complete or not at all. Throws std::runtime_error.
void ExportPngs(const std::string& folder, StatisticsStore& store, int width, int height);

// Runs `work` with the application object Qt's drawing needs. Without a platform chosen by the
// caller (QT_QPA_PLATFORM or -platform) the offscreen one is used, so that no display is needed.
void WithQtApplication(const char* program, const std::function<void()>& work);

// The report tool's --pdf and --png, as the export module runs them (reportmodule.cpp). The
// tool loads the module by its file name and looks the entry up by its name.
struct ExportRequest {
    const char* program = nullptr; // argv[0]
    std::string pdf;               // the report's path; empty: none
    std::string png;               // the images' folder; empty: none
    int width = kPngWidth;
    int height = kPngHeight;
};
inline constexpr char kExportModule[] = "libgruppenstatistik-export.so";
inline constexpr char kExportEntry[] = "GsExportReport";
// Runs the request with its Qt application; false with the German reason in `error` when it
// fails.
using ExportEntry = bool (*)(const ExportRequest& request, StatisticsStore& store,
                             std::string& error);
