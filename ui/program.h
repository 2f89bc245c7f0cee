// Program: the start-up after the application is built: the three windows in their order, the
// main window shown, and a statistics file named on the command line opened.
#pragma once

#include "ui/statchart.h"
#include "ui/statetag.h"
#include "ui/statistik.h"

#include <string>
#include <vector>

class Program {
public:
    // Creates the main window, the chart window and the floor names dialog, reached through
    // haupt, StatDlg and EtageDlg; shows the main window; the file named in `arguments` (the
    // first that is not an option; the bytes as the system passed them, so that a name in
    // Latin-1 opens too) is opened as soon as the event loop runs. Closing the main window
    // quits the loop.
    Program(StatisticsStore& store, const std::vector<std::string>& arguments);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The first argument after the program's name that is not an option, as an absolute path;
    // empty when there is none.
    static std::string FileArgument(const std::vector<std::string>& arguments);

private:
    Thaupt main_;
    TStatDlg chart_;
    TEtageDlg floorNames_;
};
