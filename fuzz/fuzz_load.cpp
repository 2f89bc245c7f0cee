// libFuzzer target: any bytes as a statistics file, through the whole load path. A crash, a
// sanitizer finding, an exception the user would not see as a message, or a broken rule of
// CheckLoadPath ends the run with the input saved.
#include "statglob/reader.h"
#include "tests/support/loadpath.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string& InputPath() {
    static std::string path;
    return path;
}

void RemoveInput() {
    std::remove(InputPath().c_str());
}

// A previous file is loaded, so that a failed load has figures to keep.
const StatisticsStore& Previous() {
    static const StatisticsStore previous = [] {
        std::string file =
            "Kopf\r\n07.12.26 18:00;\r\n\r\n\r\nStart;01.12.26 06:00;\r\n\r\n\r\n\r\n";
        for (int f = 1; f <= 3; ++f) {
            file += std::to_string(f) + ";";
            for (int v = 0; v < 24; ++v)
                file += std::to_string(f * 100 + v) + ";";
            file += "\r\n;";
            for (int v = 0; v < 48; ++v)
                file += std::to_string(f * 1000 + v) + ";";
            file += "\r\n";
        }
        file += "-;1;2;3;4;\r\n";
        std::FILE* out = std::fopen(InputPath().c_str(), "wb");
        std::fwrite(file.data(), 1, file.size(), out);
        std::fclose(out);
        StatisticsStore store;
        LoadStatisticsFile(store, InputPath());
        return store;
    }();
    return previous;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Memory-backed when there is /dev/shm: the file is rewritten for every input.
    const std::filesystem::path dir =
        access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::filesystem::temp_directory_path();
    InputPath() = (dir / ("gs-fuzz-" + std::to_string(getpid()) + ".csv")).string();
    std::atexit(RemoveInput);
    Previous();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* out = std::fopen(InputPath().c_str(), "wb");
    if (!out || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0) {
        std::perror(InputPath().c_str());
        std::abort();
    }
    StatisticsStore store = Previous();
    const LoadPathResult result = RunLoadPath(store, InputPath());
    const std::string broken = CheckLoadPath(Previous(), store, result);
    if (!broken.empty()) {
        std::fprintf(stderr, "load path rule broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
