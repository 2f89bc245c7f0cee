// Every input the fuzzer broke the load path with, kept in tests/data/regress with the outcome
// it must have now. A file without an entry here fails, so none is kept unexplained.
#include "tests/hostile/hostile.h"

#include <filesystem>
#include <iterator>
#include <map>

TEST(FuzzRegressions, EveryFileHasItsOutcome) {
    // A NUL byte in a value ended the message at the NUL: the error box showed "'".
    const std::map<std::string, std::string> expected = {
        {"nul-in-travel-value.csv", "'?' ist kein gültiger Integerwert."},
        {"nul-in-floor-value.csv", "'?71' ist kein gültiger Integerwert."},
    };
    for (const auto& [name, message] : expected) {
        SCOPED_TRACE(name);
        ExpectLoad(GS_TEST_DATA "/regress/" + name, message);
    }
    namespace fs = std::filesystem;
    EXPECT_EQ(
        std::distance(fs::directory_iterator(GS_TEST_DATA "/regress"), fs::directory_iterator()),
        static_cast<long>(expected.size()))
        << "a file here without its expected outcome";
}
