#include "ui/program.h"

#include "ui/errorbox.h"

#include <QCoreApplication>
#include <QTimer>

#include <filesystem>
#include <system_error>

Program::Program(StatisticsStore& store, const std::vector<std::string>& arguments)
    : main_(store), chart_(), floorNames_(store) {
    haupt = &main_;
    StatDlg = &chart_;
    EtageDlg = &floorNames_;
    // The names file beside the statistics file is never one of the inputs.
    floorNames_.SetInputFiles([this] { return main_.InputFiles(); });
    // The chart window names its files after the statistics file and the chart.
    QObject::connect(&main_, &Thaupt::chartDrawn, &chart_, &TStatDlg::SetChartOrigin);
    // The main window ends the run, even while the modeless windows are still open.
    QObject::connect(&main_, &Thaupt::closed, QCoreApplication::instance(),
                     &QCoreApplication::quit);
    main_.show();

    const std::string file = FileArgument(arguments);
    if (!file.empty())
        QTimer::singleShot(0, &main_, [this, file] {
            RunHandler([this, &file] { main_.OpenStatisticsFile(file); }, &main_);
        });
}

Program::~Program() {
    EtageDlg = nullptr;
    StatDlg = nullptr;
    haupt = nullptr;
}

std::string Program::FileArgument(const std::vector<std::string>& arguments) {
    for (std::size_t i = 1; i < arguments.size(); ++i)
        if (!arguments[i].empty() && arguments[i][0] != '-') {
            std::error_code ec;
            const auto path = std::filesystem::absolute(std::filesystem::u8path(arguments[i]), ec);
            return ec ? arguments[i] : path.lexically_normal().u8string();
        }
    return {};
}
