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
// charts. With a comparison store (`other`), the cover also names the comparison file, its
// figures stand beside these, and the charts that have a comparison show both periods.
ReportContent BuildReportContent(StatisticsStore& store, const StatisticsStore* other = nullptr);

// The report as a vector PDF (WriteReportPdf): page 1 the cover sheet (portrait, 300 dpi units as
// printed), page 2 the key figures, then each chart in button order on a landscape page with the
// gaps of a print. The file is written under a temporary name and replaces `path` only when
// complete. Throws std::runtime_error (German) when it cannot be written.
void ExportPdf(const std::string& path, StatisticsStore& store,
               const StatisticsStore* other = nullptr);

// Eleven PNG files "<chart id>.png" (count_hour.png, ..., RufeZeitEt.png) in `folder`, which is
// created when missing. Each file appears complete or not at all. Throws std::runtime_error.
void ExportPngs(const std::string& folder, StatisticsStore& store, int width, int height);

// Runs `work` with the application object Qt's drawing needs. Without a platform chosen by the
// caller (QT_QPA_PLATFORM or -platform) the offscreen one is used, so that no display is needed.
void WithQtApplication(const char* program, const std::function<void()>& work);
