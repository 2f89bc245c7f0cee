// Chart printing: the current printer and one landscape page per chart, as vector output.
#pragma once

#include "chartfx3/chartmodel.h"

#include <memory>

class QPainter;
class QPrinter;

// The system's default printer, or its first one when no default is set. Throws
// std::runtime_error "Kein Drucker installiert." when the system knows no printer; a QPrinter
// cannot tell that itself (it silently falls back to writing a PDF file).
std::unique_ptr<QPrinter> CurrentPrinter();

// Starts the print job on the printer with the painter. Throws std::runtime_error with a German
// text naming the printer or the print file when it cannot be started.
void BeginPrintJob(QPainter& painter, QPrinter& printer);

// Prints the chart, with the gaps it holds, on one landscape page of the printer, at least
// 10 mm from the paper's sides (PaperChartRect). Throws
// std::runtime_error with a German text when the print job cannot be started.
void PrintChartPage(const ChartModel& chart, QPrinter& printer);
