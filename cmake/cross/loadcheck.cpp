// gs_loadcheck FILE: the load path on its own, for trying the Windows build of the portable
// layers on a Windows machine. Prints the message, or the floor count and the cover sheet.
#include "tests/support/loadpath.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: gs_loadcheck DATEI\n");
        return 2;
    }
    StatisticsStore store;
    const LoadPathResult result = RunLoadPath(store, argv[1]);
    if (!result.error.empty()) {
        std::printf("%s\n", result.error.c_str());
        return 1;
    }
    const std::string broken = CheckLoadPath(StatisticsStore(), store, result);
    for (const std::string& line : result.cover)
        std::printf("%s\n", line.c_str());
    std::printf("%zu Diagramme\n", result.charts.size());
    if (!broken.empty()) {
        std::fprintf(stderr, "%s\n", broken.c_str());
        return 3;
    }
    return 0;
}
