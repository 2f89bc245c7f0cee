// gruppenstatistik: the desktop program. Start-up: the store, the application, the three
// windows in their order, the main window shown, the message loop.
#include "errorbox.h"
#include "gsapplication.h"
#include "mainpictures.h"
#include "statchart.h"
#include "statetag.h"
#include "statistik.h"
#include "store.h"

#include <QFileInfo>
#include <QStringList>
#include <QTimer>

namespace {

// The first argument that is not an option: a statistics file to open after start.
QString FileArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!arguments[i].startsWith(QLatin1Char('-')))
            return QFileInfo(arguments[i]).absoluteFilePath();
    return {};
}

} // namespace

int main(int argc, char** argv) {
    static StatisticsStore store; // the label tables get their defaults here

    GsApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gruppenstatistik"));
    QApplication::setWindowIcon(ProgramIcon());

    Thaupt mainWindow(store);
    haupt = &mainWindow;
    TStatDlg chartWindow;
    StatDlg = &chartWindow;
    TEtageDlg floorNames(store);
    EtageDlg = &floorNames;

    // The chart window names its files after the statistics file and the chart.
    QObject::connect(haupt, &Thaupt::chartDrawn, StatDlg, &TStatDlg::SetChartOrigin);
    // The main window ends the run, even while the modeless windows are still open.
    QObject::connect(haupt, &Thaupt::closed, &app, &QCoreApplication::quit);
    haupt->show();

    const QString file = FileArgument(QCoreApplication::arguments());
    if (!file.isEmpty())
        QTimer::singleShot(
            0, haupt, [file] { RunHandler([&file] { haupt->OpenStatisticsFile(file); }, haupt); });

    const int result = QApplication::exec();
    EtageDlg = nullptr;
    StatDlg = nullptr;
    haupt = nullptr;
    return result;
}
