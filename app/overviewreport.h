// gruppenstatistik-report --uebersicht ORDNER: the overview of a folder as JSON, as a text table,
// as CSV, as an Excel workbook and as a PDF (the keys and columns: README).
#pragma once

#include <string>

struct OverviewRequest {
    const char* program = nullptr; // argv[0]
    std::string folder;            // as given
    bool json = false;
    std::string csv, xlsx, pdf; // empty: not wanted
};

// Runs the request; the exit status: 0 when the folder could be read, also when some of its
// files could not (they are rows with their error), 1 when it could not or an output could not
// be written (the message on standard error).
int RunOverview(const OverviewRequest& request);
