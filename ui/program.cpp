#include "ui/program.h"

#include "ui/errorbox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

Program::Program(StatisticsStore& store, const QStringList& arguments)
    : main_(store), chart_(), floorNames_(store) {
    haupt = &main_;
    StatDlg = &chart_;
    EtageDlg = &floorNames_;
    // The chart window names its files after the statistics file and the chart.
    QObject::connect(&main_, &Thaupt::chartDrawn, &chart_, &TStatDlg::SetChartOrigin);
    // The main window ends the run, even while the modeless windows are still open.
    QObject::connect(&main_, &Thaupt::closed, QCoreApplication::instance(),
                     &QCoreApplication::quit);
    main_.show();

    const QString file = FileArgument(arguments);
    if (!file.isEmpty())
        QTimer::singleShot(0, &main_, [this, file] {
            RunHandler([this, &file] { main_.OpenStatisticsFile(file); }, &main_);
        });
}

Program::~Program() {
    EtageDlg = nullptr;
    StatDlg = nullptr;
    haupt = nullptr;
}

QString Program::FileArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!arguments[i].startsWith(QLatin1Char('-')))
            return QFileInfo(arguments[i]).absoluteFilePath();
    return {};
}
