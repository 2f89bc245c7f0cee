// The export module of the report tool, loaded only when an export is asked for.
#pragma once

#include "reportexport.h"

#include <string>

// The module's entry, from the module beside the tool (build tree) or in
// ../lib/gruppenstatistik/ (installed). Null with the loader's reason in `why` when neither
// can be loaded. The module stays loaded: Qt's libraries are not made to be unloaded.
ExportEntry LoadExportEntry(std::string& why);
