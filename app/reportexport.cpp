#include "reportexport.h"

#include "chartdrawing.h"
#include "chartexport.h"
#include "charts.h"
#include "chartstyle.h"
#include "charttable.h"
#include "comparison.h"
#include "cp1252.h"
#include "errors.h"
#include "outputfile.h"
#include "reportcontent.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>

#include <png.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <mutex>
#include <stdexcept>
#include <string_view>
#include <thread>
#include <utility>

namespace {

// PNG with one row filter (Up) and zlib level 1: QImageWriter tries all five filters on every
// row, which on these flat-coloured charts costs more than the compression and saves little;
// this writes the same size in less than half the time.
constexpr int kPngLevel = 1;

[[noreturn]] void PngFailed(png_structp png, png_const_charp /*message*/) {
    png_longjmp(png, 1);
}

void PngWarning(png_structp /*png*/, png_const_charp /*message*/) {}

void PngWrite(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<QIODevice*>(png_get_io_ptr(png));
    if (out->write(reinterpret_cast<const char*>(data), static_cast<qint64>(length)) !=
        static_cast<qint64>(length))
        png_error(png, "write");
}

void PngFlush(png_structp /*png*/) {}

// The image (RGB32) as 8-bit RGB PNG; false when writing failed. No C++ object lives between
// the setjmp and libpng's longjmp on an error.
bool EncodePng(const QImage& image, QIODevice& out) {
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFailed, PngWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, PngWrite, PngFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
                 static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_level(png, kPngLevel);
    png_write_info(png, info);
    // RGB32 pixels are 0xffRRGGBB words: in memory B, G, R, 0xff on little-endian machines.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
#else
    png_set_filler(png, 0, PNG_FILLER_BEFORE);
#endif
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

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
    WriteReportPdf(path, content);
}

std::string ChartFilePath(const std::string& folder, ChartId id, const char* suffix) {
    return (std::filesystem::u8path(folder) / (std::string(ChartStem(id)) + "." + suffix))
        .u8string();
}

void ExportPngs(const std::string& folder, StatisticsStore& store, int width, int height) {
    MakeFolder(folder);
    const auto charts = DrawAllCharts(store);
    // Drawing and compressing an image is independent of the others: one worker per core.
    std::atomic<std::size_t> next{0};
    std::mutex failed;
    std::exception_ptr failure;
    const auto work = [&] {
        for (std::size_t i; (i = next++) < charts.size();) {
            const auto& [id, chart] = charts[i];
            try {
                WritePng(ChartFilePath(folder, id, "png"), chart, width, height);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(failed);
                if (!failure)
                    failure = std::current_exception();
            }
        }
    };
    const unsigned cores = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> workers;
    for (unsigned i = 1; i < cores; ++i)
        workers.emplace_back(work);
    work();
    for (std::thread& t : workers)
        t.join();
    if (failure)
        std::rethrow_exception(failure);
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
        for (ChartId id : kAllCharts)
            outputs.push_back(ChartFilePath(folder, id, suffix));
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
