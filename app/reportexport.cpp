#include "app/reportexport.h"

#include "app/pngfile.h"
#include "chartfx3/paint/chartdrawing.h"
#include "chartfx3/paint/chartexport.h"
#include "chartfx3/paint/chartstyle.h"
#include "chartfx3/report/reportpdf.h"
#include "charts/charts.h"
#include "charts/comparison.h"
#include "charts/figurestext.h"
#include "charts/reportcontent.h"
#include "statglob/errors.h"
#include "statglob/outputfile.h"
#include "statglob/text.h"
#include "ui/memolines.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>

#include <QThreadPool>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace {

void WriteBytes(const std::string& path, const QByteArray& bytes) {
    if (bytes.isEmpty())
        throw WriteError(path, std::string());
    WriteFileAtomically(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void WritePng(const std::string& path, const ChartModel& chart, int width, int height) {
    const QImage image = ChartImage(chart, QSize(width, height));
    QBuffer file; // some ten KB, written at once
    file.open(QIODevice::WriteOnly);
    WriteBytes(path, EncodePng(image, file) ? file.data() : QByteArray());
}

std::string CannotMakeFolder(const std::string& folder, int err) {
    return "Der Ordner „" + ToValidUtf8(folder) +
           "“ kann nicht angelegt werden: " + SystemReason(err) + ".";
}

// Why the images cannot go to `folder`: a file in its place or in its path. Empty when it is a
// folder or can be made one.
std::string FolderRefusal(const std::string& folder) {
    std::error_code ec;
    const auto type = std::filesystem::status(std::filesystem::u8path(folder), ec).type();
    if (type == std::filesystem::file_type::directory ||
        type == std::filesystem::file_type::not_found)
        return {};
    return CannotMakeFolder(folder, ec ? ec.default_error_condition().value() : EEXIST);
}

// The folder, created when missing.
void MakeFolder(const std::string& folder) {
    if (std::string why = FolderRefusal(folder); !why.empty())
        throw std::runtime_error(why);
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::u8path(folder), ec);
    if (ec)
        throw std::runtime_error(CannotMakeFolder(folder, ec.default_error_condition().value()));
}

// Qt warns on standard error when XDG_RUNTIME_DIR is not set (a cron job, su, a service) and
// falls back to a folder shared by all runs: this run gets a private one instead.
class PrivateRuntimeFolder {
public:
    PrivateRuntimeFolder() {
#ifndef _WIN32
        if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
            return;
        std::string folder =
            (std::filesystem::temp_directory_path() / "gruppenstatistik-XXXXXX").string();
        if (mkdtemp(folder.data())) { // 0700, as Qt wants it
            folder_ = folder;
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(folder_));
        }
#endif
    }
    ~PrivateRuntimeFolder() {
        if (folder_.empty())
            return;
        qunsetenv("XDG_RUNTIME_DIR");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
    PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;

private:
    std::string folder_;
};

} // namespace

void ExportPdf(const std::string& path, StatisticsStore& store,
               const std::vector<std::string>& cover, const StatisticsStore* other) {
    ReportContent content = BuildReportContent(store);
    content.coverParagraphs = cover;
    if (other)
        AddComparison(content, store, *other);
    WriteReportPdf(path, content, kMemoTextWidth);
}

std::string ChartFilePath(const std::string& folder, ChartId id, const char* suffix) {
    return (std::filesystem::u8path(folder) / (std::string(ChartOf(id).stem) + "." + suffix))
        .u8string();
}

void ExportPngs(const std::string& folder, StatisticsStore& store, int width, int height) {
    MakeFolder(folder);
    // Drawing and compressing an image is independent of the others: Qt's thread pool, one
    // thread per core (QtCore's own: the Windows build's Qt has no Qt Concurrent). The first
    // failure is thrown once all are done.
    struct Job {
        ChartId id;
        ChartModel chart;
        std::string error;
    };
    std::vector<Job> jobs;
    for (auto& [id, chart] : DrawAllCharts(store))
        jobs.push_back({id, std::move(chart), {}});
    QThreadPool pool;
    for (Job& job : jobs)
        pool.start([&folder, &job, width, height] {
            try {
                WritePng(ChartFilePath(folder, job.id, "png"), job.chart, width, height);
            } catch (const std::exception& e) {
                job.error = e.what();
            }
        });
    pool.waitForDone();
    for (const Job& job : jobs)
        if (!job.error.empty())
            throw std::runtime_error(job.error);
}

void ExportSvgs(const std::string& folder, StatisticsStore& store, int width, int height) {
    MakeFolder(folder);
    for (const auto& [id, chart] : DrawAllCharts(store))
        WriteBytes(ChartFilePath(folder, id, "svg"),
                   ChartFileBytes(chart, ChartFileFormat::Svg, QSize(width, height)));
}

void ExportCsv(const std::string& path, StatisticsStore& store) {
    WriteFileAtomically(path, FiguresCsv(BuildReportContent(store).charts));
}

std::string RefusedOutput(const ExportRequest& request) {
    std::vector<std::string> outputs = {request.pdf, request.csv};
    for (const auto& [folder, suffix] : {std::pair(request.png, "png"), {request.svg, "svg"}}) {
        if (folder.empty())
            continue;
        if (std::string why = FolderRefusal(folder); !why.empty())
            return why;
        for (const ChartInfo& c : kCharts)
            outputs.push_back(ChartFilePath(folder, c.id, suffix));
    }
    for (const std::string& output : outputs)
        if (!output.empty())
            if (std::string why = OutputRefusal(output, request.inputs); !why.empty())
                return why;
    return {};
}

void WithQtApplication(const char* program, const std::function<void()>& work) {
    // No display needed: Qt's minimal platform with the system's fonts, which starts a
    // millisecond sooner than the offscreen one and draws the same.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "minimal:enable_fonts");
    // The tool's own arguments are not Qt's: the application sees the program name only.
    int argc = 1;
    char name[] = "gruppenstatistik-report";
    char* argv[] = {program ? const_cast<char*>(program) : name, nullptr};
    const PrivateRuntimeFolder runtime;
    QGuiApplication app(argc, argv);
    // No plugin is needed beyond the platform's, now loaded: PNG is built in, and the PDF
    // keeps its pictures lossless, so nothing looks for a JPEG writer.
    QCoreApplication::setLibraryPaths({});
    work();
}

void RunExport(const ExportRequest& request, StatisticsStore& store) {
    if (std::string why = RefusedOutput(request); !why.empty()) // before anything is written
        throw std::runtime_error(why);
    if (!request.csv.empty())
        ExportCsv(request.csv, store);
    if (request.pdf.empty() && request.png.empty() && request.svg.empty())
        return;
    WithQtApplication(request.program, [&] {
        if (!request.pdf.empty())
            ExportPdf(request.pdf, store, request.cover, request.comparison);
        if (!request.png.empty())
            ExportPngs(request.png, store, request.width, request.height);
        if (!request.svg.empty())
            ExportSvgs(request.svg, store, request.width, request.height);
    });
}
