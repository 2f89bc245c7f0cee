// Drawing: each kind of chart into a 1200 x 650 image, a chart repainted in the chart window,
// and the whole PDF report of 40 floors, in the process and as the report tool's own run
// (start to exit).
#include "app/reportexport.h"
#include "bench/benchfiles.h"
#include "chartfx3/paint/chartdrawing.h"
#include "chartfx3/qtchartfx.h"
#include "chartfx3/recordingchartfx.h"
#include "charts/charts.h"
#include "charts/coversheet.h"
#include "statglob/reader.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

std::string BenchFilePath() {
    static const std::string path = [] {
        const auto p = std::filesystem::temp_directory_path() / "gs-bench-render-40.csv";
        std::ofstream(p, std::ios::binary) << BenchFile();
        return p.string();
    }();
    return path;
}

ChartModel Chart40(ChartId id) {
    StatisticsStore store;
    LoadStatisticsFile(store, BenchFilePath());
    RecordingChartfx control(false);
    DrawChart(id, store, control);
    return control.shown();
}

void BM_ChartImage(benchmark::State& state, ChartId id) {
    const ChartModel chart = Chart40(id);
    for (auto _ : state) {
        QImage image = ChartImage(chart, QSize(1200, 650));
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK_CAPTURE(BM_ChartImage, bars_40_floors, ChartId::count)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartImage, bars_24_hours, ChartId::count_hour_ab)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartImage, pie, ChartId::Verteil)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartImage, view3d_40_rows, ChartId::RufeZeitEt)
    ->Unit(benchmark::kMillisecond);

// The chart window's repaint of a shown chart, 609 x 329 as the window has it (the layout is
// kept between paints, as in the widget).
void BM_ChartWindowPaint(benchmark::State& state, ChartId id) {
    StatisticsStore store;
    LoadStatisticsFile(store, BenchFilePath());
    QtChartfx control;
    DrawChart(id, store, control);
    for (auto _ : state) {
        QImage image = control.renderImage(QSize(609, 329));
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK_CAPTURE(BM_ChartWindowPaint, bars_40_floors, ChartId::count)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartWindowPaint, view3d_40_rows, ChartId::RufeZeitEt)
    ->Unit(benchmark::kMillisecond);

void BM_PdfReport40(benchmark::State& state) {
    StatisticsStore store;
    LoadStatisticsFile(store, BenchFilePath());
    const auto out = std::filesystem::temp_directory_path() / "gs-bench-report.pdf";
    for (auto _ : state)
        ExportPdf(out.string(), store, BuildCoverSheet(store));
    std::filesystem::remove(out);
}
BENCHMARK(BM_PdfReport40)->Unit(benchmark::kMillisecond);

void BM_ReportToolPdf40(benchmark::State& state) {
    const auto out = std::filesystem::temp_directory_path() / "gs-bench-tool.pdf";
    const std::string command =
        std::string(GS_REPORT_TOOL) + " --pdf " + out.string() + " " + BenchFilePath();
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("the report tool failed");
    std::filesystem::remove(out);
}
BENCHMARK(BM_ReportToolPdf40)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(BenchFilePath().c_str());
    return 0;
}
