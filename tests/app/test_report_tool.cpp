// gruppenstatistik-report end to end: the program's JSON on real files, and its exit codes.
#include "testfiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <map>
#include <sys/wait.h>

namespace {

struct ToolRun {
    int status;
    std::string out;
};

ToolRun RunTool(const std::string& args) {
    FILE* pipe = popen((std::string(GS_REPORT_TOOL) + " " + args + " 2>&1").c_str(), "r");
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;)
        out.append(buf, n);
    const int raw = pclose(pipe);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

// The charts of a report by id.
std::map<std::string, nlohmann::json> Charts(const nlohmann::json& report) {
    std::map<std::string, nlohmann::json> byId;
    for (const auto& chart : report["charts"])
        byId[chart["id"]] = chart;
    return byId;
}

} // namespace

TEST(ReportTool, WorkedExampleAsJson) {
    TempDir dir;
    const std::string path = dir.write("beispiel.csv", WorkedExampleFile());
    const ToolRun run = RunTool("--json " + path);
    ASSERT_EQ(run.status, 0) << run.out;
    const auto report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["file"], path);
    EXPECT_EQ(report["floorCount"], 2);
    EXPECT_EQ(report["cover"].size(), 16u);
    EXPECT_EQ(report["cover"][14], "Summe der Außenrufe:   38");

    std::vector<std::string> order;
    for (const auto& chart : report["charts"])
        order.push_back(chart["id"]);
    EXPECT_EQ(order, (std::vector<std::string>{"count_hour", "count_hour_ab", "w_time", "count",
                                               "count_a_auf", "count_a_ab", "count_b_auf",
                                               "count_b_ab", "Verteil", "Travel", "RufeZeitEt"}));
    auto charts = Charts(report);
    EXPECT_EQ(charts["count"]["series"][0]["values"], nlohmann::json({10, 5}));
    EXPECT_EQ(charts["count"]["series"][1]["values"], nlohmann::json({11, 12}));
    EXPECT_EQ(charts["count"]["categories"], nlohmann::json({"KG", "EG"}));
    EXPECT_EQ(charts["count"]["title"], "Anzahl der Außenrufe auf den Etagen");
    EXPECT_EQ(charts["count_hour"]["series"][0]["values"][7], 15);
    EXPECT_EQ(charts["Travel"]["axisMax"], 1600);
    EXPECT_EQ(charts["Verteil"]["series"][0]["values"], nlohmann::json({21, 17, 0, 0}));
    EXPECT_EQ(charts["Verteil"]["axisMax"], 38);
    EXPECT_EQ(charts["Verteil"]["chartType"], 5);
    EXPECT_EQ(charts["RufeZeitEt"]["chart3D"], false);
}

TEST(ReportTool, BundledSampleIsConsistent) {
    const ToolRun run = RunTool("--json " GS_EXAMPLES "/buerohaus-14.csv");
    ASSERT_EQ(run.status, 0) << run.out;
    const auto report = nlohmann::json::parse(run.out);
    auto charts = Charts(report);
    // The per-floor totals, the hourly totals and the shaft split all count the same calls.
    auto sum = [](const nlohmann::json& values) {
        long total = 0;
        for (long v : values)
            total += v;
        return total;
    };
    const long perFloor =
        sum(charts["count"]["series"][0]["values"]) + sum(charts["count"]["series"][1]["values"]);
    EXPECT_GT(perFloor, 1000);
    EXPECT_EQ(sum(charts["count_hour"]["series"][0]["values"]), perFloor);
    EXPECT_EQ(sum(charts["Verteil"]["series"][0]["values"]), perFloor);
    EXPECT_EQ(report["cover"][14], "Summe der Außenrufe:   " + std::to_string(perFloor));
    EXPECT_EQ(charts["RufeZeitEt"]["series"].size(), 14u);
    EXPECT_EQ(charts["RufeZeitEt"]["chart3D"], true);

    // The key figures agree with the charts: the busiest hour is the tallest bar, the busiest
    // floor the tallest stack of "Alle Außenrufe", and the shaft D flag the smallest slice.
    const auto& k = report["keyFigures"];
    EXPECT_EQ(k["calls"], perFloor);
    const auto& hours = charts["count_hour"]["series"][0]["values"];
    EXPECT_EQ(k["busiestHour"]["hour"],
              std::max_element(hours.begin(), hours.end()) - hours.begin());
    EXPECT_EQ(k["busiestHour"]["calls"], 722);
    const auto& down = charts["count"]["series"][0]["values"];
    const auto& up = charts["count"]["series"][1]["values"];
    std::size_t tallest = 0;
    for (std::size_t f = 0; f < down.size(); ++f)
        if (down[f].get<long>() + up[f].get<long>() >
            down[tallest].get<long>() + up[tallest].get<long>())
            tallest = f;
    EXPECT_EQ(k["busiestFloor"]["name"], charts["count"]["categories"][tallest]);
    EXPECT_EQ(k["mainEntrance"]["name"], "EG");
    EXPECT_NEAR(k["averageWait"].get<double>(), 13.798, 0.001);
    EXPECT_EQ(k["verdict"], "sehr gut");
    EXPECT_EQ(k["hoursWithoutCalls"], nlohmann::json({0, 1, 2, 3, 4, 5, 21, 22, 23}));
    EXPECT_NEAR(k["periodHours"].get<double>(), 167.98, 0.01); // 01.11. 00:00 to 07.11. 23:59
    EXPECT_EQ(k["flags"], nlohmann::json({"Schacht D bediente 10,6 % der Rufe – außer Betrieb "
                                          "oder gesperrt?"}));
}

TEST(ReportTool, CoverFieldsAndFloorNames) {
    TempDir dir;
    const std::string path = dir.write("beispiel.csv", WorkedExampleFile());
    const std::string names = dir.write("namen.txt", "\xEF\xBB\xBFTiefgarage\r\nFoyer Süd\n");
    const ToolRun run = RunTool("--json --kunde 'Stadtwerke Süd' --kommission K-4711 --etagen " +
                                names + " " + path);
    ASSERT_EQ(run.status, 0) << run.out;
    const auto report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["cover"][2], "Kunde: Stadtwerke Süd");
    EXPECT_EQ(report["cover"][4], "Kommission: K-4711");
    EXPECT_EQ(Charts(report)["count"]["categories"], nlohmann::json({"Tiefgarage", "Foyer Süd"}));
    EXPECT_EQ(Charts(report)["RufeZeitEt"]["series"][1]["legend"], "Foyer Süd");
}

TEST(ReportTool, ErrorsAndUsage) {
    TempDir dir;
    std::string bytes = WorkedExampleFile();
    const std::string bad = dir.write("bad.csv", bytes.replace(bytes.find("350"), 3, "3x0"));
    const std::string good = dir.write("gut.csv", WorkedExampleFile());
    const std::string longName = dir.write("lang.txt", "KG\nErdgeschoss\n");
    const std::string omega = dir.write("omega.txt", "KG\nEG\n\xCE\xA9\n");
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
        {"--etagen " + dir.file("fehlt.txt") + " " + good, 1, "Datei nicht gefunden"},
        {good + " --kunde", 2, "--kunde braucht einen Wert"},
        {GS_EXAMPLES "/buerohaus-14.csv", 0, "Kennzahlen\nZeitraum\n  Start: 01.11.26 00:00"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool(c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_NE(run.out.find(c.text), std::string::npos) << c.args << ": " << run.out;
    }
}
