// gruppenstatistik-report: loads a statistics file and prints what the program would show.
#include "coversheet.h"
#include "reader.h"
#include "store.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

int Usage() {
    std::fputs("Aufruf: gruppenstatistik-report DATEI.csv\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return Usage();
    const std::string path = argv[1];
    StatisticsStore store;
    try {
        LoadStatisticsFile(store, path);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), e.what());
        return 1;
    }
    for (const std::string& line : BuildCoverSheet(store))
        std::printf("%s\n", line.c_str());
    return 0;
}
