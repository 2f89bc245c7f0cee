// All eleven charts of a 40-floor file computed into the recording control.
#include "bench/benchfiles.h"
#include "chartfx3/recordingchartfx.h"
#include "charts/charts.h"
#include "statglob/reader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

StatisticsStore Loaded40() {
    const auto path = std::filesystem::temp_directory_path() / "gs-bench-charts-40.csv";
    std::ofstream(path, std::ios::binary) << BenchFile();
    StatisticsStore store;
    LoadStatisticsFile(store, path.string());
    std::remove(path.string().c_str());
    return store;
}

void BM_AllElevenCharts40(benchmark::State& state) {
    StatisticsStore store = Loaded40();
    const bool keepOperations = state.range(0) != 0;
    for (auto _ : state) {
        RecordingChartfx control(keepOperations);
        for (const ChartInfo& c : kCharts)
            DrawChart(c.id, store, control);
        benchmark::DoNotOptimize(control.shown().axisMax);
    }
    state.SetLabel(keepOperations ? "with operation log" : "charts only");
}
BENCHMARK(BM_AllElevenCharts40)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
