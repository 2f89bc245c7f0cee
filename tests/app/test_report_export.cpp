// gruppenstatistik-report --pdf and --png end to end: pages, files, sizes, failures.
#include "pdftools.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>

namespace {

struct ToolRun {
    int status;
    std::string out; // stdout and stderr
};

// Runs the tool without a display and without a chosen platform, as on a build server.
ToolRun RunTool(const std::string& args) {
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                std::string(GS_REPORT_TOOL) + " " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
        out.append(buf, n);
    const int raw = pclose(pipe);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

std::string Example(const char* name) {
    return std::string(GS_EXAMPLES) + "/" + name;
}

std::string PageText(const std::string& pdf, int page) {
    return RunCommand("pdftotext -f " + std::to_string(page) + " -l " + std::to_string(page) +
                      " '" + pdf + "' - 2>/dev/null");
}

// Width and height from a PNG file's header; {0, 0} when it is no PNG.
std::pair<int, int> PngSize(const std::string& path) {
    const std::string bytes = ReadBytes(path);
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0)
        return {0, 0};
    auto be32 = [&](std::size_t at) {
        int v = 0;
        for (std::size_t i = 0; i < 4; ++i)
            v = v * 256 + static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    return {be32(16), be32(20)};
}

const std::vector<std::string> kIds = {"count_hour",  "count_hour_ab", "w_time",      "count",
                                       "count_a_auf", "count_a_ab",    "count_b_auf", "count_b_ab",
                                       "Verteil",     "Travel",        "RufeZeitEt"};

} // namespace

TEST(ReportExport, PdfIsCoverThenElevenLandscapeChartPages) {
    TempDir dir;
    const std::string pdf = dir.file("bericht.pdf");
    const ToolRun run = RunTool("--pdf " + pdf + " " + Example("hochhaus-40.csv"));
    ASSERT_EQ(run.status, 0) << run.out;
    const auto pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 12u);
    EXPECT_LT(pages[0].width, pages[0].height) << "cover sheet upright";
    for (std::size_t i = 1; i < pages.size(); ++i)
        EXPECT_GT(pages[i].width, pages[i].height) << "page " << i + 1;
    // The cover sheet as the main window prints it, then the charts in button order, as text.
    const std::string cover = PageText(pdf, 1);
    for (const char* line :
         {"QVL Gruppenstatistik", "Kunde:", "Anzahl Stockwerke: 40", "Summe der Außenrufe:"})
        EXPECT_NE(cover.find(line), std::string::npos) << line << " in " << cover;
    const std::pair<int, const char*> headings[] = {
        {2, "Anzahl der Außenrufe über der Uhrzeit"},
        {3, "Anzahl der Auf/Ab-Rufe über der Uhrzeit"},
        {4, "Durchschnittliche Wartezeit auf den Etagen"},
        {10, "Rufverteilung auf die Schächte"},
        {11, "Anzahl der überfahrenen Etagen"},
        {12, "Anzahl der Rufe über der Uhrzeit und den Etagen"}};
    for (const auto& [page, heading] : headings)
        EXPECT_NE(PageText(pdf, page).find(heading), std::string::npos)
            << "page " << page << ": " << PageText(pdf, page);
}

TEST(ReportExport, PngWritesElevenImagesNamedByChart) {
    struct Case {
        std::string sizeArg;
        int width;
        int height;
    };
    for (const Case& c : {Case{"", 1200, 650}, Case{"--size 800x400", 800, 400},
                          Case{"--size 300X200", 300, 200}}) {
        TempDir dir;
        const std::string folder = dir.file("bilder/neu"); // created on the way
        const ToolRun run =
            RunTool("--png " + folder + " " + c.sizeArg + " " + Example("buerohaus-14.csv"));
        ASSERT_EQ(run.status, 0) << run.out;
        std::size_t files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            (void)entry;
            ++files;
        }
        EXPECT_EQ(files, kIds.size());
        for (const std::string& id : kIds)
            EXPECT_EQ(PngSize(folder + "/" + id + ".png"), std::make_pair(c.width, c.height))
                << id << " " << c.sizeArg;
    }
}

TEST(ReportExport, PdfAndPngTogether) {
    TempDir dir;
    const ToolRun run = RunTool("--png " + dir.file("png") + " --pdf " + dir.file("r.pdf") + " " +
                                Example("buerohaus-14.csv"));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(PdfPages(dir.file("r.pdf")).size(), 12u);
    EXPECT_EQ(PngSize(dir.file("png/Verteil.png")), std::make_pair(1200, 650));
}

TEST(ReportExport, BadStatisticsFileLeavesNothingBehind) {
    TempDir dir;
    const std::string broken = dir.write("kaputt.csv", JoinLines({"nur", "drei", "Zeilen"}));
    const std::string missing = dir.file("fehlt.csv");
    for (const std::string& input : {broken, missing}) {
        const ToolRun run =
            RunTool("--pdf " + dir.file("out.pdf") + " --png " + dir.file("png") + " " + input);
        EXPECT_EQ(run.status, 1) << run.out;
        EXPECT_NE(run.out.find(input), std::string::npos) << run.out;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.pdf")));
        EXPECT_FALSE(std::filesystem::exists(dir.file("png")));
    }
}

TEST(ReportExport, UnwritableOutputIsAnError) {
    TempDir dir;
    const ToolRun pdf = RunTool("--pdf /nonexistent-folder/r.pdf " + Example("buerohaus-14.csv"));
    EXPECT_EQ(pdf.status, 1) << pdf.out;
    EXPECT_NE(pdf.out.find("/nonexistent-folder/r.pdf"), std::string::npos) << pdf.out;
    EXPECT_NE(pdf.out.find("kann nicht geschrieben werden"), std::string::npos) << pdf.out;

    const std::string file = dir.write("datei", "kein Ordner");
    const ToolRun png = RunTool("--png " + file + " " + Example("buerohaus-14.csv"));
    EXPECT_EQ(png.status, 1) << png.out;
    EXPECT_NE(png.out.find("kann nicht angelegt werden"), std::string::npos) << png.out;
}

TEST(ReportExport, AnExistingPdfIsReplacedOnlyWhenComplete) {
    TempDir dir;
    const std::string pdf = dir.write("r.pdf", "alt");
    const ToolRun bad = RunTool("--pdf " + pdf + " " + dir.file("fehlt.csv"));
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(ReadBytes(pdf), "alt");
    const ToolRun good = RunTool("--pdf " + pdf + " " + Example("buerohaus-14.csv"));
    ASSERT_EQ(good.status, 0) << good.out;
    EXPECT_EQ(PdfPages(pdf).size(), 12u);
}

TEST(ReportExport, BadOptionsAreUsageErrors) {
    for (const char* args : {"--size 0x100", "--size 100", "--size x", "--size 100x100x",
                             "--size 99999x10", "--pdf", "--png"}) {
        const ToolRun run = RunTool(std::string(args) + " " + Example("buerohaus-14.csv"));
        EXPECT_EQ(run.status, 2) << args << ": " << run.out;
        EXPECT_NE(run.out.find("Aufruf:"), std::string::npos) << args;
    }
}
