#include "reportexport.h"

#include "chartdrawing.h"
#include "chartexport.h"
#include "charts.h"
#include "charttable.h"
#include "coverprint.h"
#include "coversheet.h"
#include "memolines.h"
#include "report.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <stdexcept>

namespace {

// The gaps PrintBtnClick sets for the paper.
constexpr std::int16_t kPrintGap = 200;
// Dots per inch of the report's device units; the cover sheet is laid out in these.
constexpr int kReportDpi = kCoverResolution;

QString Q(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

[[noreturn]] void CannotWrite(const QString& path, const QString& why) {
    QString text =
        QStringLiteral("Die Datei \u201E%1\u201C kann nicht geschrieben werden").arg(path);
    if (!why.isEmpty())
        text += QStringLiteral(": ") + why;
    throw std::runtime_error(text.toStdString());
}

// The cover sheet as the main window prints it: the logo and the summary's lines, broken where
// the memo would break them.
void PaintCoverPage(QPainter& painter, const std::vector<std::string>& cover) {
    QStringList paragraphs;
    for (const std::string& line : cover)
        paragraphs << Q(line);
    PaintCoverSheet(painter, LogoBitmap(), WrapLikeMemo(paragraphs));
}

} // namespace

void ExportPdf(const std::string& path, StatisticsStore& store,
               const std::vector<std::string>& cover) {
    const QString target = Q(path);
    const auto charts = DrawAllCharts(store);

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        CannotWrite(target, file.errorString());
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kReportDpi);
        pdf.setCreator(QStringLiteral("Gruppenstatistik"));
        pdf.setTitle(QStringLiteral("Gruppenstatistik: ") + QFileInfo(target).fileName());
        // Like a printer's printable area: positions count from a small margin.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Point));
        QPainter painter;
        if (!painter.begin(&pdf))
            CannotWrite(target, QString());
        PaintCoverPage(painter, cover);
        for (const auto& [id, shown] : charts) {
            ChartModel chart = shown;
            chart.topGap = kPrintGap;
            chart.bottomGap = kPrintGap;
            pdf.setPageOrientation(QPageLayout::Landscape);
            if (!pdf.newPage())
                CannotWrite(target, QString());
            PaintChart(chart, painter, QRectF(0, 0, pdf.width(), pdf.height()), kReportDpi);
        }
        painter.end();
    }
    if (!file.commit())
        CannotWrite(target, file.errorString());
}

namespace {

void ExportImages(const std::string& folder, StatisticsStore& store, ChartFileFormat format,
                  const QSize& size) {
    const QString dirPath = Q(folder);
    QDir dir(dirPath);
    if (!dir.mkpath(QStringLiteral(".")))
        throw std::runtime_error(
            QStringLiteral("Der Ordner \u201E%1\u201C kann nicht angelegt werden.")
                .arg(dirPath)
                .toStdString());
    for (const auto& [id, chart] : DrawAllCharts(store))
        SaveChart(chart, dir.filePath(QString::fromLatin1(ChartStem(id)) + "." + SuffixOf(format)),
                  format, size);
}

} // namespace

void ExportPngs(const std::string& folder, StatisticsStore& store, int width, int height) {
    ExportImages(folder, store, ChartFileFormat::Png, QSize(width, height));
}

void ExportSvgs(const std::string& folder, StatisticsStore& store, int width, int height) {
    ExportImages(folder, store, ChartFileFormat::Svg, QSize(width, height));
}

void ExportCsv(const std::string& path, StatisticsStore& store) {
    std::vector<ChartModel> charts;
    for (auto& [id, chart] : DrawAllCharts(store))
        charts.push_back(std::move(chart));
    SaveBytes(Q(path), QByteArray::fromStdString(FiguresCsv(charts)));
}

void WithQtApplication(const char* program, const std::function<void()>& work) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tool's own arguments are not Qt's: the application sees the program name only.
    int argc = 1;
    char name[] = "gruppenstatistik-report";
    char* argv[] = {program ? const_cast<char*>(program) : name, nullptr};
    QApplication app(argc, argv);
    work();
}
