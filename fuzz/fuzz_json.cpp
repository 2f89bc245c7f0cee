// libFuzzer target: the report tool's JSON of any loaded store with any floor names, cover
// texts and file name. The input's parts: the statistics file (a small one when it does not
// load), the names (a line each, any bytes, as the store holds them), the customer, the order,
// the file name. The output is valid UTF-8 JSON holding the cover as built.
#include "app/report.h"
#include "fuzz/fuzzinput.h"
#include "statglob/text.h"
#include "tests/support/loadpath.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFile file("stat.csv");
    const auto parts = InputParts(data, size, 5);
    StatisticsStore store = LoadedOrSmall(file, parts[0]);
    std::string_view names = parts[1];
    for (auto& name : store.FloorNames) {
        const std::size_t end = names.find('\n');
        name = names.substr(0, end);
        if (end == std::string_view::npos)
            break;
        names.remove_prefix(end + 1);
    }
    const std::vector<std::string> cover =
        ReportCover(store, std::string(parts[2]), std::string(parts[3]));
    const std::string json = JsonText(ReportJson(std::string(parts[4]), store, cover));
    Require(IsValidUtf8(json), "JSON is not UTF-8");
    nlohmann::json parsed;
    try {
        parsed = nlohmann::json::parse(json);
    } catch (const nlohmann::json::exception& e) {
        Require(false, std::string("JSON does not parse: ") + e.what());
    }
    Require(parsed["cover"].size() == cover.size() && parsed["charts"].size() == 11,
            "cover or charts lost");
    return 0;
}
