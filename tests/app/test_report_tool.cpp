// gruppenstatistik-report end to end: the program's JSON on real files, and its exit codes.
#include "testfiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <sys/wait.h>

namespace {

struct ToolRun {
    int status;
    std::string out;
};

ToolRun RunTool(const std::string& args) {
    const std::string command = std::string(GS_REPORT_TOOL) + " " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
        out.append(buf, n);
    const int raw = pclose(pipe);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

nlohmann::json Chart(const nlohmann::json& report, const std::string& id) {
    for (const auto& chart : report["charts"])
        if (chart["id"] == id)
            return chart;
    ADD_FAILURE() << "no chart " << id;
    return {};
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
    EXPECT_EQ(report["cover"][10], "Statistik Start:   01.12.26 06:00");

    const std::vector<std::string> order = {
        "count_hour",  "count_hour_ab", "w_time",  "count",  "count_a_auf", "count_a_ab",
        "count_b_auf", "count_b_ab",    "Verteil", "Travel", "RufeZeitEt"};
    ASSERT_EQ(report["charts"].size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(report["charts"][i]["id"], order[i]);

    const auto count = Chart(report, "count");
    EXPECT_EQ(count["series"][0]["values"], nlohmann::json({10, 5}));
    EXPECT_EQ(count["series"][1]["values"], nlohmann::json({11, 12}));
    EXPECT_EQ(count["categories"], nlohmann::json({"KG", "EG"}));
    EXPECT_EQ(count["axisMax"], 100);
    EXPECT_EQ(count["title"], "Anzhal der Außenrufe auf den Etagen");

    const auto hours = Chart(report, "count_hour");
    EXPECT_EQ(hours["series"][0]["values"][7], 15);
    EXPECT_EQ(hours["series"][0]["values"][8], 9);
    EXPECT_EQ(hours["categories"][23], "23:00 Uhr");

    const auto travel = Chart(report, "Travel");
    EXPECT_EQ(travel["series"][0]["values"], nlohmann::json({1520, 1388, 0, 0}));
    EXPECT_EQ(travel["axisMax"], 1600);

    const auto pie = Chart(report, "Verteil");
    EXPECT_EQ(pie["chartType"], 5);
    EXPECT_EQ(pie["series"][0]["values"], nlohmann::json({21, 17, 0, 0}));
    EXPECT_EQ(pie["axisMax"], 38);
    EXPECT_EQ(pie["valueAxisTitle"], "");
    EXPECT_EQ(Chart(report, "RufeZeitEt")["chart3D"], false);
}

TEST(ReportTool, BundledSampleIsConsistent) {
    const ToolRun run = RunTool("--json " GS_EXAMPLES "/buerohaus-14.csv");
    ASSERT_EQ(run.status, 0) << run.out;
    const auto report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["floorCount"], 14);
    // The per-floor totals, the hourly totals and the shaft split all count the same calls.
    const auto count = Chart(report, "count");
    const auto hours = Chart(report, "count_hour");
    const auto pie = Chart(report, "Verteil");
    long perFloor = 0, perHour = 0, perShaft = 0;
    for (const auto& s : count["series"])
        for (long v : s["values"])
            perFloor += v;
    for (long v : hours["series"][0]["values"])
        perHour += v;
    for (long v : pie["series"][0]["values"])
        perShaft += v;
    EXPECT_GT(perFloor, 1000);
    EXPECT_EQ(perHour, perFloor);
    EXPECT_EQ(perShaft, perFloor);
    EXPECT_EQ(report["cover"][14], "Summe der Außenrufe:   " + std::to_string(perFloor));
    const auto threeD = Chart(report, "RufeZeitEt");
    EXPECT_EQ(threeD["chart3D"], true);
    EXPECT_EQ(threeD["series"].size(), 14u);
    EXPECT_EQ(hours["axisMax"].get<long>() % 100, 0);
}

TEST(ReportTool, ErrorsAndUsage) {
    TempDir dir;
    const std::string bad = dir.write(
        "bad.csv", WorkedExampleFile().replace(WorkedExampleFile().find("350"), 3, "3x0"));
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
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool(c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_NE(run.out.find(c.text), std::string::npos) << c.args << ": " << run.out;
    }
}
