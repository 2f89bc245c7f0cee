// gruppenstatistik-report: loads a statistics file and prints its cover sheet and charts.
#include "app/console.h"
#include "app/overviewreport.h"
#include "app/report.h"
#include "app/reportexport.h"
#include "charts/comparison.h"
#include "charts/format.h"
#include "charts/keyfigures.h"
#include "statglob/errors.h"
#include "statglob/floornames.h"
#include "statglob/reader.h"
#include "statglob/store.h"

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>
#include <string>

namespace {

const char kUsage[] =
    "Aufruf: gruppenstatistik-report [--json] [--kunde TEXT] [--kommission TEXT] "
    "[--etagen DATEI] [--pdf AUS.pdf] [--csv AUS.csv] [--png ORDNER] [--svg ORDNER] "
    "[--size BxH] [--vergleich DATEI] DATEI.csv\n"
    "       gruppenstatistik-report --uebersicht ORDNER [--json] [--csv AUS.csv] [--xlsx AUS.xlsx] "
    "[--pdf AUS.pdf]\n"
    "  --json            Deckblatt, Kennzahlen und alle elf Diagramme als JSON ausgeben\n"
    "  --kunde TEXT      auf dem Deckblatt hinter \"Kunde: \"\n"
    "  --kommission TEXT auf dem Deckblatt hinter \"Kommission: \"\n"
    "  --etagen DATEI    Etagenbezeichnungen, eine je Zeile (höchstens 10 Zeichen);\n"
    "                    ohne: Etagenbezeichnungen.txt neben DATEI.csv, wenn vorhanden\n"
    "  --vergleich DATEI mit einer zweiten Statistik vergleichen (ein anderer Zeitraum)\n"
    "  --pdf AUS.pdf     Bericht als PDF: Deckblatt, Kennzahlen, dann die elf Diagramme\n"
    "  --csv AUS.csv     die Zahlen aller Diagramme als CSV (Excel), ein Block je Diagramm\n"
    "  --png ORDNER      die elf Diagramme als PNG-Dateien <Diagramm>.png in ORDNER\n"
    "  --svg ORDNER      die elf Diagramme als SVG-Dateien <Diagramm>.svg in ORDNER\n"
    "  --size BxH        Bildgröße der PNG- und SVG-Dateien in Pixeln (Vorgabe 1200x650)\n"
    "  --uebersicht ORDNER  eine Zeile je Statistikdatei des Ordners und seiner Unterordner\n"
    "                    (ohne Ausgabeoption als Tabelle); --xlsx AUS.xlsx als Excel-Datei\n";

int Usage(const char* problem) {
    if (problem)
        std::fprintf(stderr, "gruppenstatistik-report: %s\n", problem);
    std::fputs(kUsage, stderr);
    return 2;
}

// A failed load: an IoError names its file already, the other messages are put behind it.
int LoadFailed(const std::string& what, const std::string& path, const std::exception& e) {
    std::fprintf(stderr, "%s\n",
                 LoadFailureText(what, path, e.what(), dynamic_cast<const IoError*>(&e)).c_str());
    return 1;
}

// The end of a run: what went to standard output must have arrived there too (a full disk, a
// file system that refuses it).
int Finish(int status) {
    int err = errno; // where a write failed on the way, its reason
    if (!std::ferror(stdout)) {
        errno = 0;
        if (std::fflush(stdout) == 0)
            return status;
        err = errno;
    }
    std::fprintf(stderr,
                 "gruppenstatistik-report: Die Standardausgabe kann nicht geschrieben werden: %s\n",
                 SystemReason(err ? err : EIO).c_str());
    return 1;
}

void PrintChart(ChartId id, const ChartModel& chart) {
    std::printf("\n%s (%s), Achse bis %s\n", chart.heading().c_str(), ChartOf(id).stem,
                FormatDecimal(chart.axisMax, 0, false, '.').c_str());
    for (const ChartSeries& s : chart.series) {
        std::printf("  %-18s", s.legend.c_str());
        for (double v : s.values) // per day: a fraction
            std::printf(" %s", FormatDecimal(v, v == std::floor(v) ? 0 : 1, false, '.').c_str());
        std::printf("\n");
    }
}

void PrintComparison(const StatisticsStore& store, const StatisticsStore& other) {
    const Comparison c = Compare(store, other);
    const KeyFigureTable table = ComparisonTable(c);
    std::printf("\n%s\n%s", table.title.c_str(), KeyFigureText(table.rows).c_str());
    for (const auto& [id, chart] : DrawAllComparisonCharts(store, other))
        PrintChart(id, chart);
}

void PrintText(StatisticsStore& store, const std::vector<std::string>& cover) {
    for (const std::string& line : cover)
        if (!line.empty())
            std::printf("%s\n", line.c_str());
    std::printf("\nKennzahlen\n%s", KeyFigureText(KeyFigureRows(ComputeKeyFigures(store))).c_str());
    for (const auto& [id, chart] : DrawAllCharts(store))
        PrintChart(id, chart);
}

// "1200x650": both sides 1..20000 pixels.
bool ParseSize(const char* text, int& width, int& height) {
    char x = 0;
    char rest = 0;
    if (std::sscanf(text, "%d%c%d%c", &width, &x, &height, &rest) != 3 || (x != 'x' && x != 'X'))
        return false;
    return width > 0 && height > 0 && width <= 20000 && height <= 20000;
}

} // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // A file past the size limit fails its write (EFBIG), which is reported, instead of
    // ending the run with a half-written temporary file.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    PrepareConsole();
    Utf8Arguments utf8(argc, argv);
    argc = utf8.count();
    argv = utf8.values();
    bool json = false;
    std::string path, kunde, kommission, etagen, comparisonPath;
    OverviewRequest overview;
    ExportRequest request;
    request.program = argv[0];
    std::string &pdf = request.pdf, &csv = request.csv, &png = request.png, &svg = request.svg;
    int& width = request.width;
    int& height = request.height;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string* value = nullptr;
        if (arg == "--kunde")
            value = &kunde;
        else if (arg == "--kommission")
            value = &kommission;
        else if (arg == "--etagen")
            value = &etagen;
        else if (arg == "--vergleich")
            value = &comparisonPath;
        std::string size;
        if (arg == "--pdf")
            value = &pdf;
        else if (arg == "--csv")
            value = &csv;
        else if (arg == "--png")
            value = &png;
        else if (arg == "--svg")
            value = &svg;
        else if (arg == "--size")
            value = &size;
        else if (arg == "--uebersicht")
            value = &overview.folder;
        else if (arg == "--xlsx")
            value = &overview.xlsx;
        if (value) {
            // The texts of the cover sheet may be empty; files and sizes may not.
            const bool text = value == &kunde || value == &kommission;
            if (i + 1 >= argc || (!text && argv[i + 1][0] == '\0'))
                return Usage((arg + " braucht einen Wert").c_str());
            *value = argv[++i];
            if (value == &size && !ParseSize(size.c_str(), width, height))
                return Usage(
                    ("ungültige Größe " + size + " (erwartet BxH, etwa 1200x650)").c_str());
        } else if (arg == "--json")
            json = true;
        else if (arg == "--help" || arg == "-h")
            return std::fputs(kUsage, stdout), Finish(0);
        else if (arg.size() > 1 && arg[0] == '-')
            return Usage(("unbekannte Option " + arg).c_str());
        else if (!path.empty())
            return Usage("nur eine Datei angeben");
        else
            path = arg;
    }
    if (!overview.folder.empty()) {
        if (!path.empty() || !kunde.empty() || !kommission.empty() || !etagen.empty() ||
            !comparisonPath.empty() || !png.empty() || !svg.empty() || width != kPngWidth ||
            height != kPngHeight)
            return Usage("--uebersicht geht nur mit --json, --csv, --xlsx und --pdf");
        overview.program = argv[0];
        overview.json = json;
        overview.csv = csv;
        overview.pdf = pdf;
        return Finish(RunOverview(overview));
    }
    if (!overview.xlsx.empty())
        return Usage("--xlsx gibt es nur mit --uebersicht");
    if (path.empty())
        return Usage("keine Datei angegeben");

    StatisticsStore store;
    try {
        LoadStatisticsFile(store, path);
    } catch (const std::exception& e) {
        return LoadFailed("", path, e);
    }
    try {
        if (!etagen.empty())
            ReadFloorNamesFile(etagen, store);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gruppenstatistik-report: %s\n", e.what());
        return 1;
    }
    // Without --etagen the names the program keeps beside the statistics file, when there are
    // any; a broken one was not asked for: said, and the report goes on without it.
    const std::string beside = FloorNamesFileBeside(path);
    if (etagen.empty()) {
        try {
            ReadFloorNamesFile(beside, store);
        } catch (const IoError& e) {
            if (e.code() != 2)
                std::fprintf(stderr, "gruppenstatistik-report: %s\n", e.what());
        } catch (const std::exception& e) {
            std::fprintf(stderr, "gruppenstatistik-report: %s (nicht verwendet)\n", e.what());
        }
    }
    std::optional<StatisticsStore> other;
    if (!comparisonPath.empty()) {
        try {
            other = LoadComparisonStore(comparisonPath);
        } catch (const std::exception& e) {
            return LoadFailed("Vergleichsdatei", comparisonPath, e);
        }
    }
    const StatisticsStore* comparison = other ? &*other : nullptr;
    const std::vector<std::string> cover = ReportCover(store, kunde, kommission);
    try {
        const bool exported = !pdf.empty() || !csv.empty() || !png.empty() || !svg.empty();
        if (exported) {
            request.cover = cover;
            request.comparison = comparison;
            request.inputs = {path, comparisonPath, etagen, beside};
            RunExport(request, store);
        }
        if (json)
            std::printf("%s\n", JsonText(ReportJson(path, store, cover, comparison)).c_str());
        else if (!exported) {
            PrintText(store, cover);
            if (comparison)
                PrintComparison(store, *comparison);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gruppenstatistik-report: %s\n", e.what());
        return 1;
    }
    return Finish(0);
}
