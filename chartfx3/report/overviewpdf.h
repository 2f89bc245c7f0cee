// The overview of a folder as a PDF table.
#pragma once

#include "charts/overview.h"

#include <string>
#include <vector>

// The rows in the columns of kOverviewColumns on A4 landscape pages: `title` above the table,
// the header row repeated on every page, "Seite n von m" below; long texts wrapped within their
// column. Vector output, written through OutputFile: complete or not at all. Throws WriteError.
void WriteOverviewPdf(const std::string& path, const std::string& title,
                      const std::vector<OverviewRow>& rows);
