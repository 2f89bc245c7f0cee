// gruppenstatistik-report writing files end to end: pages, blocks, images, sizes, failures.
#include "charts/charts.h"
#include "tests/support/reporttool.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

const std::string kSample = GS_EXAMPLES "/buerohaus-14.csv";

// Width x height of the eleven images <chart>.png in `folder`, when it holds just these.
std::vector<std::string> PngSizes(const std::string& folder) {
    std::vector<std::string> sizes;
    if (std::distance(std::filesystem::directory_iterator(folder), {}) != 11)
        return sizes;
    for (const ChartInfo& c : kCharts) {
        // A PNG file holds its width and height big-endian at bytes 16 and 20.
        const std::string b = ReadBytes(folder + "/" + c.stem + ".png") + std::string(24, '\0');
        const auto at = [&](int i) {
            return std::to_string(uint8_t(b[i]) * 256 + uint8_t(b[i + 1]));
        };
        sizes.push_back(b.substr(1, 3) == "PNG" ? at(18) + "x" + at(22) : "");
    }
    return sizes;
}

} // namespace

TEST(ReportExport, PdfCsvSvgAndPngInOneRun) {
    TempDir dir;
    const std::string pdf = dir.write("bericht.pdf", "alt"); // replaced
    const std::string csv = dir.file("zahlen.csv"), svg = dir.file("svg");
    const std::string png = dir.file("bilder/neu"); // created on the way
    const std::string names = dir.write("namen.txt", "Keller\nFoyer\n");
    const auto [status, out] = RunTool("--kunde Stadtwerke --etagen " + names + " --pdf " + pdf +
                                       " --csv " + csv + " --svg " + svg + " --png " + png +
                                       " --size 800x400 " GS_EXAMPLES "/hochhaus-40.csv");
    ASSERT_EQ(status, 0) << out;
    // The cover sheet and the key figures upright, then the charts in button order.
    const auto pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 13u);
    for (std::size_t i = 0; i < pages.size(); ++i)
        EXPECT_EQ(pages[i].first > pages[i].second, i > 1) << i;
    EXPECT_NE(PdfText(pdf, 1).find("Anzahl Stockwerke: 40"), std::string::npos);
    EXPECT_NE(PdfText(pdf, 1).find("Kunde: Stadtwerke"), std::string::npos);
    EXPECT_NE(PdfText(pdf, 2).find("Bewertung der mittleren Wartezeit"), std::string::npos);
    EXPECT_NE(PdfText(pdf, 6).find("Foyer"), std::string::npos); // all calls over the floors
    EXPECT_NE(PdfText(pdf, 13).find("Rufe über der Uhrzeit und den Etagen"), std::string::npos);
    // Vector pages: the logo is the one picture, kept lossless; every font is embedded.
    const std::string images = RunCommand("pdfimages -list '" + pdf + "' | tail -n +3");
    EXPECT_EQ(images.substr(0, 52), "   1     0 image     360   147  rgb     3   8  image")
        << images;
    EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 1) << images;
    const std::string fonts =
        RunCommand("pdffonts '" + pdf + "' | tail -n +3 | awk '{print $(NF-4)}'"); // emb
    EXPECT_EQ(fonts, "yes\nyes\n"); // Arial and Arial bold
    // The CSV: a block per chart, headed by its title, one empty line between blocks.
    const std::string text = ReadBytes(csv);
    EXPECT_EQ(
        text.rfind(std::string("\xEF\xBB\xBF") + "Anzahl der Außenrufe über der Uhrzeit\r\n", 0),
        0u);
    std::size_t blocks = 1;
    for (std::size_t at = 0; (at = text.find("\r\n\r\n", at)) != std::string::npos; ++at)
        ++blocks;
    EXPECT_EQ(blocks, 11u);
    EXPECT_NE(text.find("Schächte\r\n;Rufverteilung\r\n"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(svg), {}), 11);
    EXPECT_NE(
        ReadBytes(svg + "/w_time.svg").find(">Durchschnittliche Wartezeit auf den Etagen</text>"),
        std::string::npos);
    EXPECT_EQ(PngSizes(png), std::vector<std::string>(11, "800x400"));
}

TEST(ReportExport, FailuresWriteNothing) {
    TempDir dir;
    const std::string pdf = dir.write("out.pdf", "alt");
    const std::string broken = dir.write("kaputt.csv", JoinLines({"nur", "drei", "Zeilen"}));
    const std::string both = "--pdf " + pdf + " --png " + dir.file("png") + " ";
    const std::pair<std::string, std::string> cases[] = {
        {both + broken, broken},
        {both + dir.file("fehlt.csv"), dir.file("fehlt.csv")},
        {"--png " + pdf + " " + kSample, "kann nicht angelegt werden"}}; // a file, no folder
    for (const auto& [args, text] : cases) {
        const auto [status, out] = RunTool(args);
        EXPECT_EQ(status, 1) << out;
        EXPECT_NE(out.find(text), std::string::npos) << out;
        EXPECT_EQ(ReadBytes(pdf), "alt");
        EXPECT_FALSE(std::filesystem::exists(dir.file("png")));
    }
    for (const char* args : {"--size 0x100", "--size 100", "--size 99999x10", "--pdf"})
        EXPECT_EQ(RunTool(std::string(args) + " " + kSample).status, 2) << args;
}
