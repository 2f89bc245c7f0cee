// gruppenstatistik-report run from a test: its exit status and what it wrote.
#pragma once

#include "tests/support/pdftools.h"

#include <string>

struct ToolRun {
    int status;
    std::string out; // standard output and errors
};

// Run without a display or a chosen platform, as on a server.
inline ToolRun RunTool(const std::string& args) {
    const std::string out =
        RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                   std::string(GS_REPORT_TOOL) + " " + args + " 2>&1; echo \"#$?\"");
    return {std::stoi(out.substr(out.rfind('#') + 1)), out.substr(0, out.rfind('#'))};
}
