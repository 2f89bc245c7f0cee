// gruppenstatistik: the desktop program. Start-up: the store, the application with Qt's German
// texts, the three windows in their order, the main window shown, the message loop.
#include "statglob/store.h"
#include "ui/appsetup.h"
#include "ui/gsapplication.h"
#include "ui/mainpictures.h"
#include "ui/program.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    static StatisticsStore store; // the label tables get their defaults here

    PrepareGermanDates();
    GsApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gruppenstatistik"));
    QApplication::setWindowIcon(ProgramIcon());
    PrepareApplication(app);

    // The file name's bytes as given: Qt's arguments would turn a Latin-1 name into another.
    // Windows passes them in its code page: there Qt's (UTF-16) arguments are the exact ones.
#ifdef _WIN32
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments())
        arguments.push_back(argument.toStdString());
#else
    const std::vector<std::string> arguments(argv, argv + argc); // Qt's options taken out
#endif
    Program program(store, arguments);
    return QApplication::exec();
}
