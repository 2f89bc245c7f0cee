// gruppenstatistik-report end to end: the program's JSON on real files, and its exit codes.
#include "charts/charts.h"
#include "tests/support/reporttool.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>

namespace {

// The items of a JSON array by the value of their `key`.
std::map<std::string, nlohmann::json> By(const char* key, const nlohmann::json& items) {
    std::map<std::string, nlohmann::json> byKey;
    for (const auto& item : items)
        byKey[item[key]] = item;
    return byKey;
}

} // namespace

TEST(ReportTool, WorkedExampleAsJsonWithCoverFieldsAndFloorNames) {
    TempDir dir;
    const std::string path = dir.write("beispiel.csv", WorkedExampleFile());
    const std::string names = dir.write("namen.txt", "\xEF\xBB\xBFTiefgarage\rFoyer Süd\n");
    const ToolRun run = RunTool("--json --kunde 'Stadtwerke Süd' --kommission K-4711 --etagen " +
                                names + " " + path);
    ASSERT_EQ(run.status, 0) << run.out;
    const auto report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["file"], path);
    EXPECT_EQ(report["floorCount"], 2);
    EXPECT_EQ(report["cover"].size(), 16u);
    EXPECT_EQ(report["cover"][2], "Kunde: Stadtwerke Süd");
    EXPECT_EQ(report["cover"][4], "Kommission: K-4711");
    EXPECT_EQ(report["cover"][14], "Summe der Außenrufe:   38");
    ASSERT_EQ(report["charts"].size(), kCharts.size());
    for (std::size_t i = 0; i < kCharts.size(); ++i) // in button order
        EXPECT_EQ(report["charts"][i]["id"], kCharts[i].stem);
    auto charts = By("id", report["charts"]);
    EXPECT_EQ(charts["count"]["series"][0]["values"], nlohmann::json({10, 5}));
    EXPECT_EQ(charts["count"]["series"][1]["values"], nlohmann::json({11, 12}));
    EXPECT_EQ(charts["count"]["categories"], nlohmann::json({"Tiefgarage", "Foyer Süd"}));
    EXPECT_EQ(charts["count"]["title"], "Anzahl der Außenrufe auf den Etagen");
    EXPECT_EQ(charts["count_hour"]["series"][0]["values"][7], 15);
    EXPECT_EQ(charts["Travel"]["axisMax"], 1600);
    EXPECT_EQ(charts["Verteil"]["series"][0]["values"], nlohmann::json({21, 17, 0, 0}));
    EXPECT_EQ(charts["Verteil"]["axisMax"], 38);
    EXPECT_EQ(charts["Verteil"]["chartType"], 5);
    EXPECT_EQ(charts["RufeZeitEt"]["chart3D"], false);
    EXPECT_EQ(charts["RufeZeitEt"]["series"][1]["legend"], "Foyer Süd");
}

TEST(ReportTool, ComparisonAsJsonAgreesWithBothFilesAlone) {
    const std::string october = GS_EXAMPLES "/buerohaus-14-oktober.csv";
    const ToolRun run =
        RunTool("--json --vergleich " + october + " " GS_EXAMPLES "/buerohaus-14.csv");
    ASSERT_EQ(run.status, 0) << run.out;
    const auto report = nlohmann::json::parse(run.out);
    const auto other = nlohmann::json::parse(RunTool("--json " + october).out)["keyFigures"];
    const auto& c = report["comparison"];
    EXPECT_EQ(c["period"], "01.11.–07.11.");
    EXPECT_EQ(c["comparisonPeriod"], "04.10.–10.10.");
    EXPECT_EQ(c["comparedFloors"], 14);
    auto figures = By("label", c["figures"]);
    const auto& wait = figures["alle Außenrufe"];
    EXPECT_EQ(wait["value"], report["keyFigures"]["averageWait"]);
    EXPECT_EQ(wait["comparison"], other["averageWait"]);
    EXPECT_EQ(wait["assessment"], "besser"); // the upper floors waited longer in October
    EXPECT_NEAR(figures["Summe"]["comparison"].get<double>(), other["callsPerDay"].get<double>(),
                1e-9);
    EXPECT_EQ(c["charts"].size(), 6u); // the charts per day: tests/charts/test_comparison.cpp
}

TEST(ReportTool, ErrorsAndUsage) {
    TempDir dir;
    std::string bytes = WorkedExampleFile();
    const std::string bad = dir.write("bad.csv", bytes.replace(bytes.find("350"), 3, "3x0"));
    const std::string good = dir.write("gut.csv", WorkedExampleFile());
    // Buildings with their names file beside the statistics file: a good one, a broken one.
    TempDir named, broken;
    const std::string namedFile = named.write("haus.csv", WorkedExampleFile());
    named.write("Etagenbezeichnungen.txt", "Tiefgarage\r\nFoyer\r\n");
    const std::string brokenFile = broken.write("haus.csv", WorkedExampleFile());
    broken.write("Etagenbezeichnungen.txt", "KG\nErdgeschoss\n");
    const std::string longName = dir.write("lang.txt", "KG\r\nErdgeschoss\r\n");
    const std::string omega = dir.write("omega.txt", "KG\nEG\nΩ\n");
    // The names file: read only as far as the rules need, its bad line quoted briefly.
    int n = 0;
    const auto names = [&](const std::string& bytes) {
        return dir.write("namen" + std::to_string(++n) + ".txt", bytes);
    };
    const std::string line41 = JoinLines(std::vector<std::string>(41, "E"), "\n");
    std::string nul(64 << 20, '\0'); // a file of holes, as truncate makes it
    const struct {
        std::string args;
        int status;
        std::string text;
    } cases[] = {
        {bad, 1, "'3x0' ist kein gültiger Integerwert"},
        {"--json " + dir.file("fehlt.csv"), 1, "Datei nicht gefunden"},
        {"", 2, "Aufruf:"},
        {"--frobnicate x.csv", 2, "unbekannte Option"},
        {"a.csv b.csv", 2, "nur eine Datei"},
        {"--etagen " + longName + " " + good, 1,
         longName + ", Zeile 2: „Erdgeschoss“ ist länger als 10 Zeichen"},
        {"--etagen " + omega + " " + good, 1,
         omega + ", Zeile 3: „Ω“ enthält Zeichen außerhalb von Windows-1252"},
        {"--etagen " + dir.file("fehlt.txt") + " " + good, 1,
         "Datei nicht gefunden: „" + dir.file("fehlt.txt") + "“"},
        {"--etagen " +
             names("KG\nA\x1B"
                   "B\n") +
             " " + good,
         1, "Zeile 2: „A?B“ enthält ein Steuerzeichen"},
        {"--etagen " + names("C\xC2\x81\n") + " " + good, 1,
         "Zeile 1: „C?“ enthält ein Steuerzeichen"},
        {"--etagen " + names(std::string("N\0L\n", 4)) + " " + good, 1,
         "Zeile 1: „N?L“ enthält ein Steuerzeichen"},
        {"--etagen " + names("KG\rM\xFCller\r") + " " + good, 1,
         "Zeile 2: „M\xEF\xBF\xBDller“ ist kein UTF-8-Text"},
        {"--etagen " + names(line41) + " " + good, 1, "Zeile 41: mehr als 40 Etagen"},
        {"--etagen " + names("KG\n" + std::string(1 << 20, 'x')) + " " + good, 1,
         "Zeile 2: „" + std::string(40, 'x') + "…“ ist länger als 10 Zeichen\n"},
        {"--etagen " + names(nul) + " " + good, 1,
         "Zeile 1: „" + std::string(40, '?') + "…“ ist länger als 10 Zeichen\n"},
        // Any bytes in texts and names: JSON gets U+FFFD, files their names as given.
        {"--json --kunde 'M\xFCller' " + good, 0, "\"Kunde: M\xEF\xBF\xBDller\""},
        {"--json " + dir.write("M\xFCller.csv", WorkedExampleFile()), 0,
         "\"file\": \"" + dir.file("M\xEF\xBF\xBDller.csv") + "\""},
        {good + " --kunde", 2, "--kunde braucht einen Wert"},
        {"--json " + dir.write("export.csv", "\xEF\xBB\xBF" "Etage;Rufe\r\nKG;3\r\n"), 1,
         "Die Datei ist keine Statistikdatei (eine exportierte Tabelle?)"},
        {"--json " + namedFile, 0, "\"categories\": [\n        \"Tiefgarage\",\n        \"Foyer\""},
        {"--json --etagen " + names("A\nB\n") + " " + namedFile, 0,
         "\"categories\": [\n        \"A\",\n        \"B\""},
        {"--json " + brokenFile, 0,
         "Zeile 2: „Erdgeschoss“ ist länger als 10 Zeichen (nicht verwendet)"},
        {GS_EXAMPLES "/buerohaus-14.csv", 0, "Kennzahlen\nZeitraum\n  Start: 01.11.26 00:00"},
        {"--vergleich " + bad + " " GS_EXAMPLES "/buerohaus-14.csv", 1,
         "Vergleichsdatei " + bad + ": '3x0' ist kein gültiger Integerwert"},
        {"--vergleich " GS_EXAMPLES "/buerohaus-14-oktober.csv " GS_EXAMPLES "/buerohaus-14.csv", 0,
         "Vergleich: buerohaus-14.csv mit buerohaus-14-oktober.csv\nVergleich\n"},
        // The overview: a folder that cannot be read ends with 1, its files' errors do not.
        {"--uebersicht " + dir.file("fehlt"), 1,
         "gruppenstatistik-report: Der Ordner „" + dir.file("fehlt") + "“ kann nicht gelesen"},
        {"--uebersicht " + good, 1, "„" + good + "“ kann nicht gelesen werden: kein Ordner"},
        {"--uebersicht " + dir.path().string() + " --json", 0,
         "\"error\": \"" + bad + ": '3x0' ist kein gültiger Integerwert"},
        {"--uebersicht " + dir.path().string() + " --csv " + good, 1, good},
        {"--uebersicht " + dir.path().string() + " " + good, 2, "--uebersicht geht nur mit"},
        {"--xlsx a.xlsx " + good, 2, "--xlsx gibt es nur mit --uebersicht"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool(c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_NE(run.out.find(c.text), std::string::npos) << c.args << ": " << run.out;
    }
}

TEST(ReportTool, OverviewOfTheExamplesAgreesWithEveryFileAlone) {
    const ToolRun run = RunTool("--uebersicht " GS_EXAMPLES " --json");
    ASSERT_EQ(run.status, 0) << run.out; // one file of them is broken
    const auto overview = nlohmann::json::parse(run.out);
    EXPECT_EQ(overview["folder"], GS_EXAMPLES);
    std::vector<std::string> files;
    int errors = 0;
    for (const auto& entry : overview["files"]) {
        const std::string file = entry["file"];
        files.push_back(file);
        const ToolRun alone = RunTool("--json " GS_EXAMPLES "/" + file);
        if (entry.contains("error")) {
            ++errors;
            EXPECT_EQ(alone.status, 1) << file;
            EXPECT_EQ(entry["error"].get<std::string>() + "\n", alone.out) << file;
        } else {
            EXPECT_EQ(entry["keyFigures"], nlohmann::json::parse(alone.out)["keyFigures"]) << file;
        }
    }
    EXPECT_EQ(errors, 1);
    EXPECT_GE(files.size(), 13u);
    EXPECT_TRUE(std::is_sorted(files.begin(), files.end()));

    // The office building's four months: November waits longer than the best month before.
    const auto groups = By("folder", overview["groups"]);
    const auto& months = groups.at("buerohaus-hafenstrasse")["periods"];
    EXPECT_EQ(groups.at("buerohaus-hafenstrasse")["floorCount"], 14);
    ASSERT_EQ(months.size(), 4u);
    EXPECT_EQ(months[0]["start"], "01.08.26 00:00");
    EXPECT_EQ(months[0]["changeFromBestEarlier"], nullptr);
    EXPECT_GT(months[3]["changeFromBestEarlier"].get<double>(), 20);
    EXPECT_EQ(months[3]["notes"][0].get<std::string>().rfind("Wartezeit ", 0), 0u);
    EXPECT_LT(months[2]["changeFromBestEarlier"].get<double>(), 20);
    EXPECT_EQ(groups.at("klinik-nord")["periods"].size(), 2u); // the broken month is left out
}

TEST(ReportTool, OverviewAsTextCsvExcelAndPdf) {
    TempDir dir;
    const std::string csv = dir.file("ü.csv"), xlsx = dir.file("ü.xlsx"), pdf = dir.file("ü.pdf");
    ToolRun run = RunTool("--uebersicht " GS_EXAMPLES);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.rfind("Übersicht: " GS_EXAMPLES ", ", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\nVerlauf buerohaus-hafenstrasse (14 Etagen)\n  01.08.26 00:00  "),
              std::string::npos);
    run =
        RunTool("--uebersicht " GS_EXAMPLES " --csv " + csv + " --xlsx " + xlsx + " --pdf " + pdf);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, "");
    const std::string table = ReadBytes(csv);
    EXPECT_EQ(table.rfind("\xEF\xBB\xBFOrdner;Datei;Zeitraum;", 0), 0u);
    // Worst waiting time first; the broken file last.
    EXPECT_NE(table.find("\r\nbuerohaus-hafenstrasse;2026-11.csv;01.11.26 00:00–30.11.26 23:59;"
                         "30,0;14;"),
              table.find("\r\nklinik-nord;2026-10.csv;") + 1);
    EXPECT_EQ(table.find("\r\n", table.find("\r\nklinik-nord;2026-10.csv;") + 2), table.size() - 2);

    // Read back: number cells with their formats, the header frozen, the filter over all rows.
    const std::string book = RunCommand(
        "/usr/bin/python3 -c \"import openpyxl,sys; ws=openpyxl.load_workbook(sys.argv[1]).active; "
        "print(ws.title, ws.freeze_panes, ws.auto_filter.ref, ws.max_row); "
        "print(ws['B2'].value, round(ws['G2'].value, 1), ws['G2'].number_format, ws['E2'].value, "
        "ws['E2'].number_format, ws['N2'].value[:9])\" '" +
        xlsx + "' 2>&1");
    EXPECT_EQ(book, "Übersicht A2 A1:N14 14\n2026-11.csv 28.6 0.0 14 0 Wartezeit\n");
    const auto pages = PdfPages(pdf);
    ASSERT_GE(pages.size(), 1u);
    EXPECT_GT(pages[0].first, pages[0].second); // landscape
    const std::string text = PdfText(pdf);
    EXPECT_NE(text.find("Seite 1 von " + std::to_string(pages.size())), std::string::npos);
    EXPECT_NE(text.find("Wartezeit"), std::string::npos);
    EXPECT_NE(text.find("ist kein gültiger Integerwert"), std::string::npos);
}
