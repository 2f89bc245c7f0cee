// Loading statistics files: the parse of lines in memory, and the whole load from disk.
#include "bench/benchfiles.h"
#include "statglob/reader.h"
#include "statglob/store.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

std::string WriteBenchFile() {
    const auto path = std::filesystem::temp_directory_path() / "gs-bench-40.csv";
    std::ofstream(path, std::ios::binary) << BenchFile();
    return path.string();
}

void BM_ParseStatistics40(benchmark::State& state) {
    StatisticsStore store;
    const std::string path = WriteBenchFile();
    StatisticsStore loaded = ReadStatisticsFile(store, path);
    std::size_t bytes = 0;
    for (int i = 1; i <= loaded.FloorCount + 1; ++i)
        bytes += loaded.FloorLines[i].size() + loaded.HourLines[i].size();
    for (auto _ : state) {
        ParseStatistics(loaded);
        benchmark::DoNotOptimize(loaded.HourUp[24][40]);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    std::remove(path.c_str());
}
BENCHMARK(BM_ParseStatistics40);

void BM_LoadStatisticsFile40(benchmark::State& state) {
    StatisticsStore store;
    const std::string path = WriteBenchFile();
    const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(path));
    for (auto _ : state) {
        LoadStatisticsFile(store, path);
        benchmark::DoNotOptimize(store.FloorCount);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadStatisticsFile40);

} // namespace
