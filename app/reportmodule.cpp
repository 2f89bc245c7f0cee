// The export module's entry point: the report tool's --pdf, --csv, --png and --svg behind one
// C name.
#include "reportexport.h"

#include <exception>

extern "C" bool GsExportReport(const ExportRequest& request, StatisticsStore& store,
                               std::string& error) {
    try {
        if (!request.csv.empty())
            ExportCsv(request.csv, store);
        if (request.pdf.empty() && request.png.empty() && request.svg.empty())
            return true;
        WithQtApplication(request.program, [&] {
            if (!request.pdf.empty())
                ExportPdf(request.pdf, store, request.cover, request.comparison);
            if (!request.png.empty())
                ExportPngs(request.png, store, request.width, request.height);
            if (!request.svg.empty())
                ExportSvgs(request.svg, store, request.width, request.height);
        });
        return true;
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
}

// The entry has the type the tool calls it by.
[[maybe_unused]] static constexpr ExportEntry kEntryType = GsExportReport;
