// gruppenstatistik: the desktop program. Start-up: the store, the application with Qt's German
// texts, the three windows in their order, the main window shown, the message loop.
#include "statglob/store.h"
#include "ui/appsetup.h"
#include "ui/gsapplication.h"
#include "ui/mainpictures.h"
#include "ui/program.h"

int main(int argc, char** argv) {
    static StatisticsStore store; // the label tables get their defaults here

    PrepareGermanDates();
    GsApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gruppenstatistik"));
    QApplication::setWindowIcon(ProgramIcon());
    PrepareApplication(app);

    Program program(store, QCoreApplication::arguments());
    return QApplication::exec();
}
