// The overview as an Excel workbook (.xlsx), written by libxlsxwriter where the build found it.
#pragma once

#include "charts/overview.h"

#include <string>
#include <vector>

// False when the program was built without libxlsxwriter; WriteOverviewXlsx then throws
// kNoXlsx.
bool CanWriteXlsx();
extern const char* const kNoXlsx;

// The table on one sheet "Übersicht": the number columns as number cells with their places, the
// header row frozen, an autofilter over the table. Complete or not at all (OutputFile); throws
// WriteError, or std::runtime_error with kNoXlsx.
void WriteOverviewXlsx(const std::string& path, const std::vector<OverviewRow>& rows);
