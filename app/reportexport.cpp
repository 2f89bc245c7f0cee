#include "reportexport.h"

#include "chartdrawing.h"
#include "chartexport.h"
#include "charts.h"
#include "charttable.h"
#include "comparison.h"
#include "reportcontent.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace {

// zlib level 1 (see QImageWriter::setQuality for PNG): a fifth of the default level's time for
// a tenth more bytes on these flat-coloured charts.
constexpr int kPngQuality = 80;

QString Q(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

[[noreturn]] void CannotWrite(const QString& path, const QString& why) {
    throw std::runtime_error(
        QStringLiteral("Die Datei \u201E%1\u201C kann nicht geschrieben werden: %2")
            .arg(path, why)
            .toStdString());
}

void WritePng(const QString& name, const ChartModel& chart, int width, int height) {
    const QImage image = ChartImage(chart, QSize(width, height));
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        CannotWrite(name, file.errorString());
    QImageWriter writer(&file, "png");
    writer.setQuality(kPngQuality);
    if (!writer.write(image))
        CannotWrite(name, writer.errorString());
    if (!file.commit())
        CannotWrite(name, file.errorString());
}

} // namespace

void ExportPdf(const std::string& path, StatisticsStore& store,
               const std::vector<std::string>& cover, const StatisticsStore* other) {
    ReportContent content = BuildReportContent(store);
    content.coverParagraphs = cover;
    if (other)
        AddComparison(content, store, *other);
    WriteReportPdf(path, content);
}

void ExportPngs(const std::string& folder, StatisticsStore& store, int width, int height) {
    const QString dirPath = Q(folder);
    QDir dir(dirPath);
    if (!dir.mkpath(QStringLiteral(".")))
        throw std::runtime_error(
            QStringLiteral("Der Ordner \u201E%1\u201C kann nicht angelegt werden.")
                .arg(dirPath)
                .toStdString());
    const auto charts = DrawAllCharts(store);
    // Drawing and compressing an image is independent of the others: one worker per core.
    std::atomic<std::size_t> next{0};
    std::mutex failed;
    std::exception_ptr failure;
    const auto work = [&] {
        for (std::size_t i; (i = next++) < charts.size();) {
            const auto& [id, chart] = charts[i];
            try {
                WritePng(dir.filePath(QString::fromLatin1(ChartStem(id)) + ".png"), chart, width,
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
    const QString dirPath = Q(folder);
    QDir dir(dirPath);
    if (!dir.mkpath(QStringLiteral(".")))
        throw std::runtime_error(
            QStringLiteral("Der Ordner \u201E%1\u201C kann nicht angelegt werden.")
                .arg(dirPath)
                .toStdString());
    for (const auto& [id, chart] : DrawAllCharts(store))
        SaveChart(chart, dir.filePath(QString::fromLatin1(ChartStem(id)) + ".svg"),
                  ChartFileFormat::Svg, QSize(width, height));
}

void ExportCsv(const std::string& path, StatisticsStore& store) {
    SaveBytes(Q(path), QByteArray::fromStdString(FiguresCsv(BuildReportContent(store).charts)));
}

void WithQtApplication(const char* program, const std::function<void()>& work) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
