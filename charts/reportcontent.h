// The report of a loaded file as data: what the report tool and the main window's report
// button hand to WriteReportPdf.
#pragma once

#include "reportpdf.h"
#include "store.h"

// The cover sheet's summary (BuildCoverSheet), the key figures and the eleven charts in button
// order, drawn with the floor names in force. Callers that know better cover paragraphs (the
// memo as the user edited it, the tool's --kunde) put them in place of the summary.
ReportContent BuildReportContent(StatisticsStore& store);
