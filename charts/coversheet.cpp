#include "charts/coversheet.h"

#include "statglob/text.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::size_t kPeriodCapacity = 15;
constexpr std::size_t kLineCapacity = 255;

std::string Field(std::string_view line, std::size_t from) {
    if (from > line.size())
        return {};
    const std::string_view rest = line.substr(from);
    return std::string(rest.substr(0, std::min(rest.find(';'), kPeriodCapacity)));
}

} // namespace

std::string PeriodStartOf(const StatisticsStore& s) {
    const std::string& line = s.HeaderLines[5];
    const std::size_t first = line.find(';');
    return first == std::string::npos ? std::string() : Field(line, first + 1);
}

std::string PeriodStopOf(const StatisticsStore& s) {
    return Field(s.HeaderLines[2], 0);
}

std::int64_t CallTotalOf(const StatisticsStore& s) {
    std::int64_t total = 0;
    for (int f = 1; f <= s.FloorCount; ++f)
        for (int g = 0; g < kCallGroups; ++g)
            total += s.CallStat[g][0][f];
    return total;
}

std::vector<std::string> BuildCoverSheet(const StatisticsStore& s) {
    // The file name is a path of this system (UTF-8); header texts come from the file.
    const std::string fileLine = Utf8CutBytes("Datei: " + s.FileName.str(), kLineCapacity);
    return {"QVL Gruppenstatistik ",
            "",
            "Kunde: ",
            "",
            "Kommission: ",
            "",
            fileLine,
            "",
            "Anzahl Stockwerke: " + std::to_string(s.FloorCount),
            "",
            "Statistik Start:   " + Cp1252ToUtf8(PeriodStartOf(s)),
            "",
            "Statistik Stop:   " + Cp1252ToUtf8(PeriodStopOf(s)),
            "",
            "Summe der Außenrufe:   " + std::to_string(CallTotalOf(s)),
            ""};
}

std::string PeriodText(const StatisticsStore& s) {
    const std::string start = Cp1252ToUtf8(PeriodStartOf(s)), stop = Cp1252ToUtf8(PeriodStopOf(s));
    if (start.empty() || stop.empty())
        return start + stop;
    return start + " – " + stop;
}

std::string CoverField(const std::vector<std::string>& lines, const std::string& key) {
    for (const std::string& line : lines) {
        if (line.compare(0, key.size(), key) != 0)
            continue;
        const std::size_t first = line.find_first_not_of(" \t", key.size());
        if (first == std::string::npos)
            return {};
        return line.substr(first, line.find_last_not_of(" \t\r") + 1 - first);
    }
    return {};
}
