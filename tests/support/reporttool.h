// gruppenstatistik-report run from a test: its exit status and what it wrote.
#pragma once

#include "tests/support/pdftools.h"

#include <cstdlib>
#include <string>

struct ToolRun {
    int status;
    std::string out; // standard output and errors
};

// Run without a display, a chosen platform or a runtime folder, as on a server or from cron.
// `args` may end in redirections of standard output; `shell` runs first in the same shell
// (a limit, a trap). GS_REPORT_TOOL in the environment is another command for the tool (make
// windows-test: the Windows tool under Wine).
inline ToolRun RunTool(const std::string& args, const std::string& shell = "") {
    const char* tool = std::getenv("GS_REPORT_TOOL");
    const std::string out = RunCommand(
        "{ " + shell + " env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR " +
        std::string(tool && *tool ? tool : GS_REPORT_TOOL) + " " + args + "; } 2>&1; echo \"#$?\"");
    return {std::stoi(out.substr(out.rfind('#') + 1)), out.substr(0, out.rfind('#'))};
}
