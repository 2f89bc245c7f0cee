// gruppenstatistik-report: loads a statistics file and prints its cover sheet and charts.
#include "coversheet.h"
#include "reader.h"
#include "report.h"
#include "store.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

const char kUsage[] = "Aufruf: gruppenstatistik-report [--json] DATEI.csv\n"
                      "  --json   Deckblatt und alle elf Diagramme als JSON ausgeben\n";

int Usage(const char* problem) {
    if (problem)
        std::fprintf(stderr, "gruppenstatistik-report: %s\n", problem);
    std::fputs(kUsage, stderr);
    return 2;
}

void PrintText(StatisticsStore& store) {
    for (const std::string& line : BuildCoverSheet(store))
        if (!line.empty())
            std::printf("%s\n", line.c_str());
    for (const auto& [id, chart] : DrawAllCharts(store)) {
        std::printf("\n%s (%s), Achse bis %.0f\n", chart.heading().c_str(), ChartStem(id),
                    chart.axisMax);
        for (const ChartSeries& s : chart.series) {
            std::printf("  %-18s", s.legend.c_str());
            for (double v : s.values)
                std::printf(" %.0f", v);
            std::printf("\n");
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    bool json = false;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--json") == 0)
            json = true;
        else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0)
            return std::fputs(kUsage, stdout), 0;
        else if (arg[0] == '-' && arg[1] != '\0')
            return Usage((std::string("unbekannte Option ") + arg).c_str());
        else if (!path.empty())
            return Usage("nur eine Datei angeben");
        else
            path = arg;
    }
    if (path.empty())
        return Usage("keine Datei angegeben");

    StatisticsStore store;
    try {
        LoadStatisticsFile(store, path);
        if (json)
            std::printf("%s\n", ReportJson(path, store).dump(2).c_str());
        else
            PrintText(store);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), e.what());
        return 1;
    }
    return 0;
}
