#include "app/reportexport.h"

#include "chartfx3/paint/chartdrawing.h"
#include "chartfx3/paint/chartexport.h"
#include "chartfx3/paint/chartstyle.h"
#include "chartfx3/report/reportpdf.h"
#include "charts/charts.h"
#include "charts/comparison.h"
#include "charts/figurestext.h"
#include "charts/reportcontent.h"
#include "ui/memolines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>

#include <png.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <thread>

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

void WritePng(const QString& name, const ChartModel& chart, int width, int height) {
    const QImage image = ChartImage(chart, QSize(width, height));
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        ThrowCannotWrite(name, file.errorString());
    if (!EncodePng(image, file))
        ThrowCannotWrite(name, file.errorString());
    if (!file.commit())
        ThrowCannotWrite(name, file.errorString());
}

// The folder, created when missing.
QDir MadeFolder(const std::string& folder) {
    const QString path = QText(folder);
    QDir dir(path);
    if (!dir.mkpath(QStringLiteral(".")))
        throw std::runtime_error(
            QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.").arg(path).toStdString());
    return dir;
}

} // namespace

void ExportPdf(const std::string& path, StatisticsStore& store,
               const std::vector<std::string>& cover, const StatisticsStore* other) {
    ReportContent content = BuildReportContent(store);
    content.coverParagraphs = cover;
    if (other)
        AddComparison(content, store, *other);
    WriteReportPdf(path, content, kMemoTextWidth);
}

void ExportPngs(const std::string& folder, StatisticsStore& store, int width, int height) {
    const QDir dir = MadeFolder(folder);
    const auto charts = DrawAllCharts(store);
    // Drawing and compressing an image is independent of the others: one worker per core.
    std::atomic<std::size_t> next{0};
    std::mutex failed;
    std::exception_ptr failure;
    const auto work = [&] {
        for (std::size_t i; (i = next++) < charts.size();) {
            const auto& [id, chart] = charts[i];
            try {
                WritePng(dir.filePath(QString::fromLatin1(ChartOf(id).stem) + ".png"), chart, width,
                         height);
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
    const QDir dir = MadeFolder(folder);
    for (const auto& [id, chart] : DrawAllCharts(store))
        SaveChart(chart, dir.filePath(QString::fromLatin1(ChartOf(id).stem) + ".svg"),
                  ChartFileFormat::Svg, QSize(width, height));
}

void ExportCsv(const std::string& path, StatisticsStore& store) {
    SaveBytes(QText(path), QByteArray::fromStdString(FiguresCsv(BuildReportContent(store).charts)));
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
    QGuiApplication app(argc, argv);
    // No plugin is needed beyond the platform's, now loaded: PNG is built in, and the PDF
    // keeps its pictures lossless, so nothing looks for a JPEG writer.
    QCoreApplication::setLibraryPaths({});
    work();
}

void RunExport(const ExportRequest& request, StatisticsStore& store) {
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
