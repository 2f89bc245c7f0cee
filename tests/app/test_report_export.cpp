// gruppenstatistik-report writing files end to end: pages, blocks, images, sizes, failures.
#include "charts/charts.h"
#include "tests/support/reporttool.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <sys/sysmacros.h>

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

// Every entry under `dir` by name: a hash of a file's bytes, a link's target, another kind's
// type, so that any change shows.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& dir) {
    std::map<std::string, std::string> entries;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir)) {
        std::string& entry = entries[e.path().lexically_relative(dir).string()];
        if (e.is_symlink())
            entry = "-> " + std::filesystem::read_symlink(e.path()).string();
        else if (e.is_regular_file())
            entry = std::to_string(std::hash<std::string>()(ReadBytes(e.path().string())));
        else
            entry = std::to_string(static_cast<int>(e.status().type()));
    }
    return entries;
}

} // namespace

TEST(ReportExport, PdfCsvSvgAndPngInOneRun) {
    TempDir dir;
    const std::string pdf = dir.write("bericht.pdf", "alt");                   // replaced
    const std::string csv = dir.file("zahlen\xFC.csv"), svg = dir.file("svg"); // Latin-1
    const std::string png = dir.file("bilder/neu");                            // created on the way
    const std::string names = dir.write("namen.txt", "Keller\nFoyer\n");
    const auto [status, out] = RunTool("--kunde Stadtwerke --etagen " + names + " --pdf " + pdf +
                                       " --csv '" + csv + "' --svg " + svg + " --png " + png +
                                       " --size 800x400 " GS_EXAMPLES "/hochhaus-40.csv");
    ASSERT_EQ(status, 0) << out;
    EXPECT_EQ(out, ""); // nothing on standard error, even without a runtime folder
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
    // Every page but the cover: the building above, the page's number below; no text nearer
    // than 10 mm to the paper's sides, the value axis' title included.
    EXPECT_EQ(PdfText(pdf, 1).find("Seite"), std::string::npos);
    for (int page = 2; page <= 13; ++page) {
        const std::string text = PdfText(pdf, page);
        const std::string parts[] = {"hochhaus-40.csv", "Kunde: Stadtwerke", "Bericht vom",
                                     "Seite " + std::to_string(page) + " von 13"};
        for (const std::string& part : parts)
            EXPECT_NE(text.find(part), std::string::npos) << page << part;
        const double width = pages[static_cast<std::size_t>(page - 1)].first;
        std::istringstream words(RunCommand("pdftotext -bbox -f " + std::to_string(page) + " -l " +
                                            std::to_string(page) + " '" + pdf + "' -"));
        double left = width, right = 0;
        for (std::string line; std::getline(words, line);) {
            double xMin, xMax;
            if (std::sscanf(line.c_str(), " <word xMin=\"%lf\" yMin=\"%*f\" xMax=\"%lf\"", &xMin,
                            &xMax) == 2)
                left = std::min(left, xMin), right = std::max(right, xMax);
        }
        EXPECT_GE(left, 28.3) << page; // 10 mm in points
        EXPECT_LE(right, width - 28.3) << page;
    }
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
        // A file, no folder: refused before the CSV, which comes first, is written.
        {"--csv " + dir.file("neu.csv") + " --png " + pdf + " " + kSample,
         "Der Ordner „" + pdf + "“ kann nicht angelegt werden: Datei besteht bereits."}};
    for (const auto& [args, text] : cases) {
        const auto [status, out] = RunTool(args);
        EXPECT_EQ(status, 1) << out;
        EXPECT_NE(out.find(text), std::string::npos) << out;
        EXPECT_EQ(ReadBytes(pdf), "alt");
        EXPECT_FALSE(std::filesystem::exists(dir.file("png")) ||
                     std::filesystem::exists(dir.file("neu.csv")));
    }
    for (const char* args : {"--size 0x100", "--size 100", "--size 99999x10", "--pdf"})
        EXPECT_EQ(RunTool(std::string(args) + " " + kSample).status, 2) << args;
}

TEST(ReportExport, HostileTargetsAreRefusedAndChangeNothing) {
    TempDir dir;
    // The inputs and an earlier output, written anew before each row (in place: h.csv stays a
    // second name of s.csv), so that a row sees them whole whatever the one before did.
    const auto inputs = [&dir] {
        dir.write("s.csv", ReadBytes(kSample));
        dir.write("v.csv", ReadBytes(GS_EXAMPLES "/buerohaus-14-oktober.csv"));
        dir.write("n.txt", "KG\nEG\n");
        dir.write("alt.csv", "alt");
    };
    inputs();
    const std::string in = dir.file("s.csv"), other = dir.file("v.csv");
    const std::string names = dir.file("n.txt"), earlier = dir.file("alt.csv");
    std::filesystem::create_symlink(in, dir.file("l.pdf"));
    std::filesystem::create_hard_link(in, dir.file("h.csv"));
    std::filesystem::create_directory(dir.file("ordner"));
    ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0600), 0); // would block a writer
    if (mknod(dir.file("null").c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
        ASSERT_EQ(mkfifo(dir.file("null").c_str(), 0600), 0); // not root: one more pipe
    }
    ASSERT_EQ(RunTool("--png " + dir.file("png") + " " + in).status, 0); // earlier images
    const auto refused = [](const std::string& path, const std::string& why) {
        return "Die Datei „" + path + "“ kann nicht geschrieben werden: " + why;
    };
    const std::string input = "dieselbe Datei wie die Eingabe „" + in + "“";
    const std::string full = "ulimit -f 2;"; // a file past 1 KB fails its write, as on a full disk
    const struct {
        const char* name;
        std::string args, shell, message;
    } rows[] = {
        {"the input itself", "--csv " + in + " " + in, "", refused(in, input)},
        {"the input by ./", "--pdf " + dir.file("./s.csv") + " " + in, "",
         refused(dir.file("./s.csv"), input)},
        {"a link to it", "--pdf " + dir.file("l.pdf") + " " + in, "",
         refused(dir.file("l.pdf"), input)},
        {"a second name of it",
         "--svg " + dir.path().string() + " --csv " + dir.file("h.csv") + " " + in, "",
         refused(dir.file("h.csv"), input)},
        {"the comparison file", "--vergleich " + other + " --pdf " + other + " " + in, "",
         refused(other, "dieselbe Datei wie die Eingabe „" + other + "“")},
        {"the names file", "--etagen " + names + " --csv " + names + " " + in, "",
         refused(names, "dieselbe Datei wie die Eingabe „" + names + "“")},
        {"a folder", "--csv " + dir.file("ordner") + " " + in, "",
         refused(dir.file("ordner"), "ein Ordner, keine Datei")},
        {"a named pipe", "--pdf " + dir.file("fifo") + " " + in, "",
         refused(dir.file("fifo"), "keine gewöhnliche Datei")},
        // A device of its own (root may make one): a fault must never replace the system's.
        {"a device", "--csv " + dir.file("null") + " " + in, "",
         refused(dir.file("null"), "keine gewöhnliche Datei")},
        {"a full disk: CSV", "--csv " + earlier + " " + in, full,
         refused(earlier, "Datei zu groß")},
        {"a full disk: PDF", "--pdf " + earlier + " " + in, full,
         refused(earlier, "Datei zu groß")},
        {"a full disk: earlier images", "--png " + dir.file("png") + " " + in, full,
         ".png“ kann nicht geschrieben werden: Datei zu groß"},
        {"a full disk: standard output", "--json " + in + " >/dev/full", "",
         "Die Standardausgabe kann nicht geschrieben werden: kein Speicherplatz mehr frei"},
        {"a full disk: the text report", in + " >/dev/full", "",
         "Die Standardausgabe kann nicht geschrieben werden: kein Speicherplatz mehr frei"},
    };
    for (const auto& row : rows) {
        inputs();
        const auto before = Snapshot(dir.path());
        const auto [status, out] = RunTool(row.args, row.shell);
        EXPECT_EQ(status, 1) << row.name << ": " << out;
        EXPECT_NE(out.find(row.message), std::string::npos) << row.name << ": " << out;
        EXPECT_EQ(Snapshot(dir.path()), before) << row.name; // no file changed, none left behind
    }
}
