// Every input the fuzzer ever broke the load path with, kept in tests/data/regress with the
// outcome it must have now. A file without an entry here fails, so none is kept unexplained.
#include "hostile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

const std::map<std::string, std::string> kExpected = {
    // A NUL byte in a value ended the message at the NUL: the error box showed "'".
    {"nul-in-travel-value.csv", "'?' ist kein gültiger Integerwert"},
    {"nul-in-floor-value.csv", "'?71' ist kein gültiger Integerwert"},
};

} // namespace

TEST(FuzzRegressions, EveryFileHasItsOutcome) {
    std::map<std::string, std::string> found;
    for (const auto& e : std::filesystem::directory_iterator(GS_TEST_DATA "/regress")) {
        const std::string name = e.path().filename().string();
        SCOPED_TRACE(name);
        ASSERT_EQ(kExpected.count(name), 1u) << "no expected outcome for this file";
        const Attempt a = LoadOver(e.path().string());
        ExpectOutcome(a, e.path().string(), kExpected.at(name));
        found.emplace(name, a.result.error);
    }
    EXPECT_EQ(found.size(), kExpected.size()) << "an expected file is missing";
}
