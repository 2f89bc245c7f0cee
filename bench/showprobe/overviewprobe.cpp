// gs_overviewprobe FOLDER: the overview window reading FOLDER as the program shows it. Prints
// when its first rows are in the table, when the reading ended, and the longest the event loop
// was kept from a 5 ms timer meanwhile (what a user feels as a stuck window). bench/measure.sh
// uses it on 10,000 files.
#include "ui/uebersicht.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gs_overviewprobe FOLDER\n");
        return 2;
    }
    TUebersichtDlg dlg([](const std::string&) {}, [](const std::string&, const std::string&) {});
    QElapsedTimer clock;
    qint64 first = -1, last = 0, longest = 0;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
        if (first < 0 && !dlg.Rows().empty())
            first = now;
    });
    QObject::connect(&dlg, &TUebersichtDlg::readingEnded, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        std::printf("gs_overviewprobe: %zu rows, first rows %lld ms, all %lld ms, longest stall "
                    "%lld ms\n",
                    dlg.Rows().size(), static_cast<long long>(first < 0 ? now : first),
                    static_cast<long long>(now), static_cast<long long>(longest));
        QTimer::singleShot(0, &app, &QApplication::quit);
    });
    clock.start();
    tick.start();
    dlg.ReadFolder(argv[1]); // also shows the window
    return app.exec();
}
