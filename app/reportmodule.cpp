// The export module's entry point: the report tool's --pdf, --csv, --png and --svg behind one
// C name.
#include "reportexport.h"

#include <exception>

#ifdef __GLIBC__
#include <malloc.h>
#endif

extern "C" bool GsExportReport(const ExportRequest& request, StatisticsStore& store,
                               std::string& error) {
#ifdef __GLIBC__
    // The PDF writer grows and frees buffers of some hundred KB page after page; with glibc's
    // default the heap gives them back each time and faults the pages in again (a fifth of the
    // report's page faults). A megabyte of slack keeps them.
    mallopt(M_TOP_PAD, 1 << 20);
#endif
    try {
        error = RefusedOutput(request); // before anything is written
        if (!error.empty())
            return false;
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
