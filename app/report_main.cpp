// gruppenstatistik-report: loads a statistics file and prints its cover sheet and charts.
#include "comparison.h"
#include "coversheet.h"
#include "keyfigures.h"
#include "reader.h"
#include "report.h"
#include "store.h"
#ifdef GS_REPORT_EXPORT
#include "reportexport.h"
#endif

#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>
#include <string>

namespace {

#ifdef GS_REPORT_EXPORT
const char kUsage[] =
    "Aufruf: gruppenstatistik-report [--json] [--pdf AUS.pdf] [--png ORDNER [--size BxH]] "
    "[--vergleich ANDERE.csv] DATEI.csv\n"
    "  --json         Deckblatt, Kennzahlen und alle elf Diagramme als JSON ausgeben\n"
    "  --pdf AUS.pdf  Bericht als PDF: Deckblatt, dann die elf Diagramme wie gedruckt\n"
    "  --png ORDNER   die elf Diagramme als PNG-Dateien <Diagramm>.png in ORDNER\n"
    "  --size BxH     Bildgr\xC3\xB6\xC3\x9F"
    "e der PNG-Dateien in Pixeln (Vorgabe 1200x650)\n"
    "  --vergleich ANDERE.csv  mit einem zweiten Zeitraum vergleichen (Text, JSON und PDF)\n";
#else
const char kUsage[] =
    "Aufruf: gruppenstatistik-report [--json] [--vergleich ANDERE.csv] DATEI.csv\n"
    "  --json   Deckblatt, Kennzahlen und alle elf Diagramme als JSON ausgeben\n"
    "  --vergleich ANDERE.csv  mit einem zweiten Zeitraum vergleichen (Text und JSON)\n";
#endif

int Usage(const char* problem) {
    if (problem)
        std::fprintf(stderr, "gruppenstatistik-report: %s\n", problem);
    std::fputs(kUsage, stderr);
    return 2;
}

void PrintChart(ChartId id, const ChartModel& chart) {
    std::printf("\n%s (%s), Achse bis %.0f\n", chart.heading().c_str(), ChartStem(id),
                chart.axisMax);
    for (const ChartSeries& s : chart.series) {
        std::printf("  %-18s", s.legend.c_str());
        for (double v : s.values)
            std::printf(v == std::floor(v) ? " %.0f" : " %.1f", v); // per day: a fraction
        std::printf("\n");
    }
}

void PrintComparison(const StatisticsStore& store, const StatisticsStore& other) {
    const Comparison c = Compare(store, other);
    std::printf("\n%s\n%s", ComparisonTitle(c).c_str(), KeyFigureText(ComparisonRows(c)).c_str());
    for (const auto& [id, chart] : DrawAllComparisonCharts(store, other))
        PrintChart(id, chart);
}

void PrintText(StatisticsStore& store) {
    for (const std::string& line : BuildCoverSheet(store))
        if (!line.empty())
            std::printf("%s\n", line.c_str());
    std::printf("\nKennzahlen\n%s", KeyFigureText(KeyFigureRows(ComputeKeyFigures(store))).c_str());
    for (const auto& [id, chart] : DrawAllCharts(store))
        PrintChart(id, chart);
}

#ifdef GS_REPORT_EXPORT
// "1200x650": both sides 1..20000 pixels.
bool ParseSize(const char* text, int& width, int& height) {
    char x = 0;
    char rest = 0;
    if (std::sscanf(text, "%d%c%d%c", &width, &x, &height, &rest) != 3 || (x != 'x' && x != 'X'))
        return false;
    return width > 0 && height > 0 && width <= 20000 && height <= 20000;
}
#endif

} // namespace

int main(int argc, char** argv) {
    bool json = false;
    std::string path;
    std::string comparisonPath;
#ifdef GS_REPORT_EXPORT
    std::string pdf;
    std::string png;
    int width = kPngWidth;
    int height = kPngHeight;
#endif
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--json") == 0)
            json = true;
        else if (std::strcmp(arg, "--vergleich") == 0) {
            if (i + 1 >= argc || argv[i + 1][0] == '\0')
                return Usage("--vergleich braucht einen Wert");
            comparisonPath = argv[++i];
        }
#ifdef GS_REPORT_EXPORT
        else if (std::strcmp(arg, "--pdf") == 0 || std::strcmp(arg, "--png") == 0 ||
                 std::strcmp(arg, "--size") == 0) {
            if (i + 1 >= argc || argv[i + 1][0] == '\0')
                return Usage((std::string(arg) + " braucht einen Wert").c_str());
            const char* value = argv[++i];
            if (std::strcmp(arg, "--pdf") == 0)
                pdf = value;
            else if (std::strcmp(arg, "--png") == 0)
                png = value;
            else if (!ParseSize(value, width, height))
                return Usage((std::string("ung\xC3\xBCltige Gr\xC3\xB6\xC3\x9F"
                                          "e ") +
                              value + " (erwartet BxH, etwa 1200x650)")
                                 .c_str());
        }
#endif
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
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), e.what());
        return 1;
    }
    std::optional<StatisticsStore> other;
    if (!comparisonPath.empty()) {
        try {
            other = LoadComparisonStore(comparisonPath);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "Vergleichsdatei %s: %s\n", comparisonPath.c_str(), e.what());
            return 1;
        }
    }
    const StatisticsStore* comparison = other ? &*other : nullptr;
    try {
        bool exported = false;
#ifdef GS_REPORT_EXPORT
        if (!pdf.empty() || !png.empty()) {
            exported = true;
            WithQtApplication(argv[0], [&] {
                if (!pdf.empty())
                    ExportPdf(pdf, store, comparison);
                if (!png.empty())
                    ExportPngs(png, store, width, height);
            });
        }
#endif
        if (json)
            std::printf("%s\n", ReportJson(path, store, comparison).dump(2).c_str());
        else if (!exported) {
            PrintText(store);
            if (comparison)
                PrintComparison(store, *comparison);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gruppenstatistik-report: %s\n", e.what());
        return 1;
    }
    return 0;
}
