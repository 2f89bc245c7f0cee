// libFuzzer target: any bytes as a statistics file, through the whole load path. A crash, a
// sanitizer finding, an exception the user would not see as a message, or a broken rule of
// CheckLoadPath ends the run with the input saved.
#include "fuzz/fuzzinput.h"
#include "statglob/reader.h"
#include "tests/support/loadpath.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Rewritten for every input.
const FuzzFile& Input() {
    static const FuzzFile file("load.csv");
    return file;
}

// A previous file is loaded, so that a failed load has figures to keep.
const StatisticsStore& Previous() {
    static const StatisticsStore previous = [] {
        StatisticsStore store;
        LoadStatisticsFile(store, Input().Write(SmallStatisticsFile(3)));
        return store;
    }();
    return previous;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Previous();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input().Write({reinterpret_cast<const char*>(data), size});
    StatisticsStore store = Previous();
    const LoadPathResult result = RunLoadPath(store, Input().path());
    const std::string broken = CheckLoadPath(Previous(), store, result);
    if (!broken.empty()) {
        std::fprintf(stderr, "load path rule broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
