// gruppenstatistik-report run from a test: its exit status and what it wrote.
#pragma once

#include "pdftools.h"

#include <cstdlib>
#include <string>

struct ToolRun {
    int status;
    std::string out; // standard output and errors
};

// Run without a display or a chosen platform, as on a server. GS_REPORT_TOOL in the
// environment is another command for the tool (make windows-test: the Windows tool in Wine).
inline ToolRun RunTool(const std::string& args) {
    const char* tool = std::getenv("GS_REPORT_TOOL");
    const std::string out = RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                       std::string(tool && *tool ? tool : GS_REPORT_TOOL) + " " +
                                       args + " 2>&1; echo \"#$?\"");
    return {std::stoi(out.substr(out.rfind('#') + 1)), out.substr(0, out.rfind('#'))};
}
