// gruppenstatistik-report: loads a statistics file and prints its cover sheet and charts.
#include "coversheet.h"
#include "keyfigures.h"
#include "reader.h"
#include "report.h"
#include "store.h"
#ifdef GS_REPORT_EXPORT
#include "reportexport.h"

#include <dlfcn.h>
#include <filesystem>
#include <system_error>
#endif

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

#ifdef GS_REPORT_EXPORT
const char kUsage[] =
    "Aufruf: gruppenstatistik-report [--json] [--pdf AUS.pdf] [--png ORDNER [--size BxH]] "
    "DATEI.csv\n"
    "  --json         Deckblatt, Kennzahlen und alle elf Diagramme als JSON ausgeben\n"
    "  --pdf AUS.pdf  Bericht als PDF: Deckblatt, dann die elf Diagramme wie gedruckt\n"
    "  --png ORDNER   die elf Diagramme als PNG-Dateien <Diagramm>.png in ORDNER\n"
    "  --size BxH     Bildgr\xC3\xB6\xC3\x9F"
    "e der PNG-Dateien in Pixeln (Vorgabe 1200x650)\n";
#else
const char kUsage[] = "Aufruf: gruppenstatistik-report [--json] DATEI.csv\n"
                      "  --json   Deckblatt, Kennzahlen und alle elf Diagramme als JSON ausgeben\n";
#endif

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
    std::printf("\nKennzahlen\n%s", KeyFigureText(KeyFigureRows(ComputeKeyFigures(store))).c_str());
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

#ifdef GS_REPORT_EXPORT
// The export module lies beside the tool in the build tree and in lib/gruppenstatistik beside
// its bin when installed. Found by full path: a search by name would depend on who calls
// dlopen (a sanitizer's interceptor has no run path of ours).
void* LoadExportModule() {
    std::error_code failed;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", failed);
    void* module = nullptr;
    for (const char* folder : {"", "../lib/gruppenstatistik/"}) {
        const std::filesystem::path path =
            self.parent_path() / (folder + std::string(kExportModule));
        if (!module)
            module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    return module;
}

// --pdf and --png through the export module, which brings Qt; loaded only for them.
bool RunExport(const ExportRequest& request, StatisticsStore& store, std::string& error) {
    void* module = LoadExportModule();
    const auto entry =
        module ? reinterpret_cast<ExportEntry>(dlsym(module, kExportEntry)) : nullptr;
    if (!entry) {
        const char* why = dlerror();
        error = std::string("PDF und PNG sind nicht verf\xC3\xBCgbar: ") + (why ? why : "");
        return false;
    }
    // The module stays loaded: Qt's libraries are not made to be unloaded.
    return entry(request, store, error);
}

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
#ifdef GS_REPORT_EXPORT
    ExportRequest request;
    request.program = argv[0];
    std::string& pdf = request.pdf;
    std::string& png = request.png;
    int& width = request.width;
    int& height = request.height;
#endif
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--json") == 0)
            json = true;
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
    try {
        bool exported = false;
#ifdef GS_REPORT_EXPORT
        if (!pdf.empty() || !png.empty()) {
            exported = true;
            std::string error;
            if (!RunExport(request, store, error)) {
                std::fprintf(stderr, "gruppenstatistik-report: %s\n", error.c_str());
                return 1;
            }
        }
#endif
        if (json)
            std::printf("%s\n", ReportJson(path, store).dump(2).c_str());
        else if (!exported)
            PrintText(store);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gruppenstatistik-report: %s\n", e.what());
        return 1;
    }
    return 0;
}
