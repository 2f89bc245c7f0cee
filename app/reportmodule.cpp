// The export module's entry point: the report tool's --pdf and --png behind one C name.
#include "reportexport.h"

#include <exception>

extern "C" bool GsExportReport(const ExportRequest& request, StatisticsStore& store,
                               std::string& error) {
    try {
        WithQtApplication(request.program, [&] {
            if (!request.pdf.empty())
                ExportPdf(request.pdf, store);
            if (!request.png.empty())
                ExportPngs(request.png, store, request.width, request.height);
        });
        return true;
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
}

// The entry has the type the tool calls it by.
[[maybe_unused]] static constexpr ExportEntry kEntryType = GsExportReport;
