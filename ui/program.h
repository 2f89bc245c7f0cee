// Program: the start-up after the application is built: the three windows in their order, the
// main window shown, and a statistics file named on the command line opened.
#pragma once

#include "ui/statchart.h"
#include "ui/statetag.h"
#include "ui/statistik.h"

#include <QString>
#include <QStringList>

class Program {
public:
    // Creates the main window, the chart window and the floor names dialog, reached through
    // haupt, StatDlg and EtageDlg; shows the main window; the file named in `arguments` (the
    // first that is not an option) is opened as soon as the event loop runs. Closing the main
    // window quits the loop.
    Program(StatisticsStore& store, const QStringList& arguments);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The first argument after the program's name that is not an option, as an absolute path;
    // empty when there is none.
    static QString FileArgument(const QStringList& arguments);

private:
    Thaupt main_;
    TStatDlg chart_;
    TEtageDlg floorNames_;
};
