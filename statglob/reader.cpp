#include "statglob/reader.h"

#include "statglob/errors.h"
#include "statglob/outputfile.h"
#include "statglob/text.h"
#include "statglob/textfile.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr int kHeaderLines = 8;
// Bytes kept of one line: far more than any line the parser reads needs, so a huge file costs
// no more memory than a normal one.
constexpr std::size_t kKeptLineLimit = 64 * 1024;

// Line number in the file of the floor line of pair i (from 1); its hour line follows it.
int LineOfFloorLine(int i) {
    return kHeaderLines + 2 * i - 1;
}

// The file lists the groups as A down, B down, A up, B up.
constexpr CallGroup kFileOrder[kCallGroups] = {ADown, BDown, AUp, BUp};

// Position after field 1: on its ';', or on the last character when there is none.
std::size_t SkipFirstField(std::string_view line) {
    std::size_t p = 0;
    while (p < line.size() && (p == 0 || line[p - 1] != ';'))
        ++p;
    return p;
}

} // namespace

StatisticsStore ReadStatisticsFile(StatisticsStore& store, const std::string& path) {
    store.FileName = Utf8CutBytes(path, decltype(store.FileName)::Capacity);
    store.LastDir = Utf8CutBytes(FolderOf(path), decltype(store.LastDir)::Capacity);

    StatisticsStore scratch = store;
    TextFile file(path);
    file.Reset();
    for (int k = 1; k <= kHeaderLines; ++k)
        if (!file.Eof())
            scratch.HeaderLines[k] = file.ReadLine(kKeptLineLimit);

    // A pair more than the tables hold makes the file too big: refused there, unread.
    constexpr int kMaxPairs = kMaxFloors + 1;
    std::array<bool, kLineSlots> floorLineCut{};
    std::array<bool, kLineSlots> hourLineCut{};
    int pairs = 0;
    while (!file.Eof()) {
        if (pairs == kMaxPairs)
            throw StatisticsError("Die Datei enthält mehr als " + std::to_string(kMaxFloors) +
                                  " Etagen; höchstens " + std::to_string(kMaxFloors) +
                                  " werden unterstützt.");
        ++pairs;
        scratch.FloorLines[pairs] = file.ReadLine(kKeptLineLimit, &floorLineCut[pairs]);
        scratch.HourLines[pairs] = file.ReadLine(kKeptLineLimit, &hourLineCut[pairs]);
    }
    file.Close();

    if (pairs == 0)
        throw StatisticsError("Die Datei enthält keine Etagendaten.");
    const int floors = pairs - 1;
    // Only the lines the parser reads must be whole; the header and the last line are not
    // parsed and may keep only their beginning.
    for (int i = 1; i <= pairs; ++i) {
        const bool floorCut = floorLineCut[i];
        const bool hourCut = i <= floors && hourLineCut[i];
        if (floorCut || hourCut)
            throw StatisticsError("Die Datei enthält in Zeile " +
                                  std::to_string(LineOfFloorLine(i) + (floorCut ? 0 : 1)) +
                                  " mehr als " + std::to_string(kKeptLineLimit) + " Zeichen.");
    }
    scratch.FloorCount = static_cast<std::uint8_t>(floors);
    return scratch;
}

void ParseStatistics(StatisticsStore& s) {
    const std::string fileName = BaseName(s.FileName.view());
    // Each value with its place in the file, so the message can point to it.
    const auto next = [&fileName](std::size_t& p, const std::string& line, int lineNo) {
        const std::size_t start = p;
        try {
            return ParseNextInt(p, line);
        } catch (const ConversionError& e) {
            const auto before =
                std::count(line.begin(), line.begin() + std::min(start, line.size()), ';');
            throw e.Located(fileName, lineNo, 1 + static_cast<long>(before));
        }
    };
    const int count = s.FloorCount;
    for (int i = 1; i <= count; ++i) {
        const std::string& floorLine = s.FloorLines[i];
        const int floorLineNo = LineOfFloorLine(i);
        std::size_t p = SkipFirstField(floorLine);
        for (CallGroup g : kFileOrder) {
            s.WaitSum[g][i] = next(p, floorLine, floorLineNo);
            for (int row = 0; row <= kShafts; ++row)
                s.CallStat[g][row][i] = next(p, floorLine, floorLineNo);
        }
        const std::string& hourLine = s.HourLines[i];
        p = 1; // character 1 is passed over, whatever it is
        for (int r = 1; r <= kHours; ++r)
            s.HourDown[r][i] = next(p, hourLine, floorLineNo + 1);
        for (int r = 1; r <= kHours; ++r)
            s.HourUp[r][i] = next(p, hourLine, floorLineNo + 1);
    }
    const std::string& travelLine = s.FloorLines[count + 1];
    std::size_t p = SkipFirstField(travelLine);
    for (int shaft = 0; shaft < kShafts; ++shaft)
        s.TravelCount[shaft] = next(p, travelLine, LineOfFloorLine(count + 1));
}

std::int32_t ParseNextInt(std::size_t& pos, std::string_view line) {
    const std::size_t len = line.size();
    const std::size_t start = pos;
    std::size_t p = pos;
    bool onSemicolon = false;
    do {
        ++p;
        onSemicolon = p <= len && line[p - 1] == ';';
    } while (!onSemicolon && p < len);
    pos = p;

    std::string_view field;
    if (start < len) {
        const std::size_t last = onSemicolon ? p - 1 : len;
        field = line.substr(start, last - start);
    }
    return StrToInt(field);
}

std::int32_t StrToInt(std::string_view field) {
    std::size_t i = 0;
    const std::size_t n = field.size();
    while (i < n && field[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    if (i == n)
        throw ConversionError(field);
    constexpr std::int64_t kLimit = std::int64_t{INT32_MAX} + 1;
    std::int64_t value = 0;
    for (; i < n; ++i) {
        const char c = field[i];
        if (c < '0' || c > '9')
            throw ConversionError(field);
        value = value * 10 + (c - '0');
        if (value > kLimit)
            throw ConversionError(field);
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        throw ConversionError(field);
    return static_cast<std::int32_t>(value);
}

void LoadStatisticsFile(StatisticsStore& store, const std::string& path) {
    // The name goes with the figures: a failed load leaves the loaded file's, so that nothing
    // is named after (or written over) a file whose figures are not shown.
    const auto loaded = store.FileName;
    try {
        StatisticsStore scratch = ReadStatisticsFile(store, path);
        ParseStatistics(scratch);
        store = std::move(scratch);
    } catch (const IoError&) {
        store.FileName = loaded;
        throw;
    } catch (const std::runtime_error&) {
        store.FileName = loaded;
        if (IsExportedTable(path))
            throw StatisticsError(kNotStatisticsFile);
        throw;
    }
}

bool IsExportedTable(const std::string& path) {
    return FirstBytes(path, 3) == kUtf8Bom; // nothing for a pipe, which would block the open
}
