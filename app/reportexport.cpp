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
#include "ui/memolines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>

#include <QtConcurrent/QtConcurrentMap>

#include <stdexcept>

namespace {

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
    // Drawing and compressing an image is independent of the others: Qt's thread pool, one
    // thread per core. The first failure is thrown once all are done.
    struct Job {
        ChartId id;
        ChartModel chart;
        std::string error;
    };
    std::vector<Job> jobs;
    for (auto& [id, chart] : DrawAllCharts(store))
        jobs.push_back({id, std::move(chart), {}});
    QtConcurrent::blockingMap(jobs, [&](Job& job) {
        try {
            WritePng(dir.filePath(QString::fromLatin1(ChartOf(job.id).stem) + ".png"), job.chart,
                     width, height);
        } catch (const std::exception& e) {
            job.error = e.what();
        }
    });
    for (const Job& job : jobs)
        if (!job.error.empty())
            throw std::runtime_error(job.error);
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
